#include "ui/Dialoge.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>

namespace verbundo {

namespace {

// Each box runs its own event loop with exec(): the timer keeps firing, so the picture stays
// live while the box is open.
void Box(QWidget* owner, QMessageBox::Icon icon, const QString& caption, const QString& text) {
    QString zeilen = text;
    zeilen.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    zeilen.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon, caption, zeilen, QMessageBox::Ok, owner);
    box.exec();
}

} // namespace

void TQtDialoge::Information(QWidget* owner, const QString& text) {
    Box(owner, QMessageBox::Information, QStringLiteral("Information"), text);
}

void TQtDialoge::Fehler(QWidget* owner, const QString& text) {
    Box(owner, QMessageBox::Critical, QStringLiteral("Verbundo"), text);
}

QString TQtDialoge::Eingabe(QWidget* owner, const QString& caption, const QString& prompt,
                            const QString& vorgabe) {
    QInputDialog dialog(owner);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(vorgabe);
    // Cancelling answers with the default, so callers cannot tell it from a confirm.
    if (dialog.exec() != QDialog::Accepted)
        return vorgabe;
    return dialog.textValue();
}

QString TQtDialoge::Oeffnen(QWidget* owner, const QString& filter) {
    QFileDialog dialog(owner, QString(), LetzterOrdner, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString pfad = dialog.selectedFiles().constFirst();
    LetzterOrdner = QFileInfo(pfad).absolutePath();
    return pfad;
}

QString TQtDialoge::Speichern(QWidget* owner, const QString& vorschlag, const QString& filter,
                              const QString& endung) {
    QFileDialog dialog(owner, QString(), LetzterOrdner, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(endung);
    // Replacing an existing file is not asked about.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(vorschlag);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString pfad = dialog.selectedFiles().constFirst();
    LetzterOrdner = QFileInfo(pfad).absolutePath();
    return pfad;
}

void TQtDialoge::Menue(QMenu* menue, const QPoint& global) {
    // The chosen action's triggered signal runs the command before exec() returns.
    menue->exec(global);
}

} // namespace verbundo
