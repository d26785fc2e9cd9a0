#include "ui/Dialoge.h"

#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace verbundo {

namespace {

QString Zeilen(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// Icons and types by name and kind only. Guessing from the contents reads the file, and
// reading a special file (/proc/kmsg, a device) can block the dialog, and the program, for good.
class TNamenssymbole : public QFileIconProvider {
public:
    TNamenssymbole() { setOptions(DontUseCustomDirectoryIcons); }
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override {
        if (info.isRoot())
            return icon(Drive);
        if (info.isDir())
            return icon(Folder);
        const QIcon bild = QIcon::fromTheme(Art(info).iconName());
        return bild.isNull() ? icon(File) : bild;
    }
    QString type(const QFileInfo& info) const override {
        if (!info.isFile())
            return QFileIconProvider::type(info);
        const QMimeType art = Art(info);
        return art.comment().isEmpty() ? art.name() : art.comment();
    }

private:
    // Looks only at the status (FIFO, device) and the name.
    QMimeType Art(const QFileInfo& info) const {
        return Datenbank.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    }
    QMimeDatabase Datenbank;
};

// One for every file dialog, for the program's whole run: a dialog's model may still ask it
// while the dialog is being destroyed.
TNamenssymbole& Symbole() {
    static auto* symbole = new TNamenssymbole;
    return *symbole;
}

} // namespace

void RichteBoxEin(QMessageBox& box, bool fehler, const QString& text) {
    box.setIcon(fehler ? QMessageBox::Critical : QMessageBox::Information);
    box.setWindowTitle(fehler ? QStringLiteral("Verbundo") : QStringLiteral("Information"));
    box.setText(Zeilen(text));
    // A file name is shown as it is, never taken for markup ("<b>" in a name would be), and
    // can be copied from the box.
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.setStandardButtons(QMessageBox::Ok);
}

void RichteEingabeEin(QInputDialog& dialog, const QString& caption, const QString& prompt,
                      const QString& vorgabe) {
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(vorgabe);
}

void RichteTextfeldEin(QInputDialog& dialog, const QString& caption, const QString& prompt,
                       const QString& vorgabe) {
    RichteEingabeEin(dialog, caption, prompt, vorgabe);
    dialog.setOption(QInputDialog::UsePlainTextEditForTextInput);
    dialog.resize(480, 320);
}

void RichteAuswahlEin(QInputDialog& dialog, const QString& caption, const QString& prompt,
                      const QStringList& optionen) {
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setComboBoxItems(optionen);
    dialog.setComboBoxEditable(false);
}

QList<QAbstractButton*> RichteFrageEin(QMessageBox& box, const QString& text,
                                       const QStringList& knoepfe) {
    QList<QAbstractButton*> liste;
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(QStringLiteral("Verbundo"));
    box.setText(text);
    QAbstractButton* erster = nullptr;
    for (qsizetype i = 0; i < knoepfe.size(); ++i) {
        const bool letzter = i + 1 == knoepfe.size();
        QAbstractButton* b = box.addButton(knoepfe[i], letzter  ? QMessageBox::RejectRole
                                                       : i == 0 ? QMessageBox::AcceptRole
                                                                : QMessageBox::DestructiveRole);
        liste << b;
        if (i == 0)
            erster = b;
        // Closing the box, or Escape, chooses the last.
        if (letzter)
            box.setEscapeButton(b);
    }
    box.setDefaultButton(qobject_cast<QPushButton*>(erster));
    return liste;
}

// Each box runs its own event loop with exec(): the timer keeps firing, so the picture stays
// live while the box is open.
void TQtDialoge::Information(QWidget* owner, const QString& text) {
    QMessageBox box(owner);
    RichteBoxEin(box, false, text);
    box.exec();
}

void TQtDialoge::Fehler(QWidget* owner, const QString& text) {
    QMessageBox box(owner);
    RichteBoxEin(box, true, text);
    box.exec();
}

QString TQtDialoge::Eingabe(QWidget* owner, const QString& caption, const QString& prompt,
                            const QString& vorgabe) {
    QInputDialog dialog(owner);
    RichteEingabeEin(dialog, caption, prompt, vorgabe);
    // Cancelling answers with the default, so callers cannot tell it from a confirm.
    if (dialog.exec() != QDialog::Accepted)
        return vorgabe;
    return dialog.textValue();
}

QString TQtDialoge::Textfeld(QWidget* owner, const QString& caption, const QString& prompt,
                             const QString& vorgabe) {
    QInputDialog dialog(owner);
    RichteTextfeldEin(dialog, caption, prompt, vorgabe);
    if (dialog.exec() != QDialog::Accepted)
        return vorgabe;
    return dialog.textValue();
}

int TQtDialoge::Auswahl(QWidget* owner, const QString& caption, const QString& prompt,
                        const QStringList& optionen) {
    QInputDialog dialog(owner);
    RichteAuswahlEin(dialog, caption, prompt, optionen);
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return static_cast<int>(optionen.indexOf(dialog.textValue()));
}

void TQtDialoge::RichteOeffnenEin(QFileDialog& dialog, const QString& filter) const {
    dialog.setIconProvider(&Symbole());
    if (!LetzterOrdner.isEmpty())
        dialog.setDirectory(LetzterOrdner);
    dialog.setNameFilters(filter.split(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Only now, before the dialog runs: once its name field has the focus, the proposal would
    // no longer reach the field.
    if (!LetzteDatei.isEmpty())
        dialog.selectFile(LetzteDatei);
}

QString TQtDialoge::Oeffnen(QWidget* owner, const QString& filter) {
    QFileDialog dialog(owner);
    RichteOeffnenEin(dialog, filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    LetzteDatei = dialog.selectedFiles().constFirst();
    LetzterOrdner = QFileInfo(LetzteDatei).absolutePath();
    return LetzteDatei;
}

void TQtDialoge::RichteSpeichernEin(QFileDialog& dialog, const QString& vorschlag,
                                    const QString& filter, const QString& endung) const {
    dialog.setIconProvider(&Symbole());
    if (!LetzterOrdner.isEmpty())
        dialog.setDirectory(LetzterOrdner);
    dialog.setNameFilters(filter.split(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(endung);
    if (endung.isEmpty()) {
        // "PNG-Bild (*.png)" -> "png", followed as the learner changes the type.
        const auto folge = [&dialog](const QString& typ) {
            const qsizetype stern = typ.indexOf(QLatin1String("(*."));
            dialog.setDefaultSuffix(stern < 0 ? QString()
                                              : typ.mid(stern + 3).section(QLatin1Char(')'), 0, 0));
        };
        folge(dialog.selectedNameFilter());
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, folge);
    }
    // The editor asks itself before it replaces another file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(vorschlag);
}

QString TQtDialoge::Speichern(QWidget* owner, const QString& vorschlag, const QString& filter,
                              const QString& endung) {
    QFileDialog dialog(owner);
    RichteSpeichernEin(dialog, vorschlag, filter, endung);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString pfad = dialog.selectedFiles().constFirst();
    LetzterOrdner = QFileInfo(pfad).absolutePath();
    return pfad;
}

bool TQtDialoge::Drucken(QWidget* owner, QPrinter& drucker) {
    QPrintDialog dialog(&drucker, owner);
    return dialog.exec() == QDialog::Accepted;
}

int TQtDialoge::Frage(QWidget* owner, const QString& text, const QStringList& knoepfe) {
    QMessageBox box(owner);
    const QList<QAbstractButton*> liste = RichteFrageEin(box, text, knoepfe);
    box.exec();
    const qsizetype i = liste.indexOf(box.clickedButton());
    return static_cast<int>(i < 0 ? knoepfe.size() - 1 : i);
}

void TQtDialoge::Menue(QMenu* menue, const QPoint& global) {
    // The chosen action's triggered signal runs the command before exec() returns.
    menue->exec(global);
}

} // namespace verbundo
