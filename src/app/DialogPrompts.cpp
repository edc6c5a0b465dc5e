#include "app/DialogPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>

DialogPrompts::DialogPrompts(QWidget* fallbackParent)
    : m_fallbackParent(fallbackParent)
{}

QWidget* DialogPrompts::owner() const
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return m_fallbackParent;
}

bool DialogPrompts::question(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No, owner());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void DialogPrompts::information(const QString& text, const QString& caption)
{
    QMessageBox::information(owner(), caption, text);
}

void DialogPrompts::notice(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner());
    box.exec();
}

void DialogPrompts::error(const QString& text, const QString& caption)
{
    QMessageBox::warning(owner(), caption, text);
}

std::optional<QString> DialogPrompts::inputText(const QString& prompt, const QString& title, const QString& defaultText)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(owner(), title, prompt, QLineEdit::Normal, defaultText, &accepted);
    if (!accepted)
        return std::nullopt;
    return text;
}

QString DialogPrompts::openFile(const QString& title, const QString& filter, const QString& folder)
{
    return QFileDialog::getOpenFileName(owner(), title, folder, filter);
}

QString DialogPrompts::saveFile(const QString& title, const QString& filter, const QString& folder)
{
    QFileDialog dialog(owner(), title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension gets the one of the file type
    // chosen, before the dialog asks about replacing a file of that name.
    auto useSuffixOf = [&dialog](const QString& nameFilter) {
        static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
        dialog.setDefaultSuffix(pattern.match(nameFilter).captured(1));
    };
    useSuffixOf(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, useSuffixOf);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}
