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

// Each box runs its own event loop with exec(): the timer keeps firing, so the picture stays
// live while the box is open.
void Box(QWidget* owner, QMessageBox::Icon icon, const QString& caption, const QString& text) {
    QString zeilen = text;
    zeilen.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    zeilen.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon, caption, zeilen, QMessageBox::Ok, owner);
    box.exec();
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

// Both file dialogs; the icon provider outlives the dialog that uses it.
struct TDateidialog {
    TNamenssymbole Symbole;
    QFileDialog Dialog;
    TDateidialog(QWidget* owner, const QString& ordner, const QString& filter)
        : Dialog(owner, QString(), ordner, filter) {
        Dialog.setIconProvider(&Symbole);
    }
};

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

QString TQtDialoge::Textfeld(QWidget* owner, const QString& caption, const QString& prompt,
                             const QString& vorgabe) {
    QInputDialog dialog(owner);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setOption(QInputDialog::UsePlainTextEditForTextInput);
    dialog.setTextValue(vorgabe);
    dialog.resize(480, 320);
    if (dialog.exec() != QDialog::Accepted)
        return vorgabe;
    return dialog.textValue();
}

int TQtDialoge::Auswahl(QWidget* owner, const QString& caption, const QString& prompt,
                        const QStringList& optionen) {
    QInputDialog dialog(owner);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setComboBoxItems(optionen);
    dialog.setComboBoxEditable(false);
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return static_cast<int>(optionen.indexOf(dialog.textValue()));
}

QString TQtDialoge::Oeffnen(QWidget* owner, const QString& filter) {
    TDateidialog d(owner, LetzterOrdner, filter);
    QFileDialog& dialog = d.Dialog;
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!LetzteDatei.isEmpty())
        dialog.selectFile(LetzteDatei);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    LetzteDatei = dialog.selectedFiles().constFirst();
    LetzterOrdner = QFileInfo(LetzteDatei).absolutePath();
    return LetzteDatei;
}

QString TQtDialoge::Speichern(QWidget* owner, const QString& vorschlag, const QString& filter,
                              const QString& endung) {
    TDateidialog d(owner, LetzterOrdner, filter);
    QFileDialog& dialog = d.Dialog;
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
    // Replacing an existing file is not asked about.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(vorschlag);
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
    QMessageBox box(QMessageBox::Question, QStringLiteral("Verbundo"), text, QMessageBox::NoButton,
                    owner);
    QList<QAbstractButton*> liste;
    for (qsizetype i = 0; i < knoepfe.size(); ++i) {
        const bool letzter = i + 1 == knoepfe.size();
        liste << box.addButton(knoepfe[i], letzter  ? QMessageBox::RejectRole
                                           : i == 0 ? QMessageBox::AcceptRole
                                                    : QMessageBox::DestructiveRole);
    }
    if (!liste.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(liste.front()));
        box.setEscapeButton(liste.back());
    }
    box.exec();
    const qsizetype i = liste.indexOf(box.clickedButton());
    return static_cast<int>(i < 0 ? knoepfe.size() - 1 : i);
}

void TQtDialoge::Menue(QMenu* menue, const QPoint& global) {
    // The chosen action's triggered signal runs the command before exec() returns.
    menue->exec(global);
}

} // namespace verbundo
