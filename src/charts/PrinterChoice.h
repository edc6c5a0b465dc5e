#pragma once

#include <QPointer>
#include <QWidget>

class QPrinter;

// Where the user chooses the printer, the copies and the page before a
// print, set on the printer given. Tests choose without a dialog.
class PrinterChoice
{
public:
    virtual ~PrinterChoice() = default;
    // False when the user cancels.
    virtual bool choose(QPrinter& printer) = 0;
};

// The print dialog: every printer of the system, and a PDF file even where
// there is none.
class PrintDialogChoice final : public PrinterChoice
{
public:
    explicit PrintDialogChoice(QWidget* parent)
        : m_parent(parent)
    {}

    bool choose(QPrinter& printer) override;

private:
    QPointer<QWidget> m_parent;
};
