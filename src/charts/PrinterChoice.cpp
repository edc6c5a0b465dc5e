#include "charts/PrinterChoice.h"

#include <QCoreApplication>
#include <QPrintDialog>

bool PrintDialogChoice::choose(QPrinter& printer)
{
    QPrintDialog dialog(&printer, m_parent);
    dialog.setWindowTitle(QCoreApplication::translate("PrinterChoice", "Print Chart"));
    // One page: nothing to choose among pages.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}
