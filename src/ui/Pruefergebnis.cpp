// The configuration test's box: the information box, with the findings as its details.

#include "ui/Dialoge.h"

#include <QMessageBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace verbundo {

void TQtDialoge::Pruefergebnis(QWidget* owner, const QString& text, const QStringList& befunde,
                               const std::function<void(int)>& gewaehlt) {
    if (befunde.isEmpty()) {
        Information(owner, text);
        return;
    }
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok,
                    owner);
    // One finding per paragraph: a click on a line chooses its finding.
    box.setDetailedText(befunde.join(QLatin1Char('\n')));
    if (auto* details = box.findChild<QTextEdit*>()) {
        details->setLineWrapMode(QTextEdit::WidgetWidth);
        QObject::connect(details, &QTextEdit::cursorPositionChanged, &box, [details, gewaehlt] {
            const QTextBlock zeile = details->textCursor().block();
            if (details->textCursor().hasSelection())
                return;
            // The chosen line stays marked.
            QTextEdit::ExtraSelection auswahl;
            auswahl.cursor = QTextCursor(zeile);
            auswahl.cursor.select(QTextCursor::BlockUnderCursor);
            auswahl.format.setBackground(details->palette().highlight());
            auswahl.format.setForeground(details->palette().highlightedText());
            details->setExtraSelections({auswahl});
            gewaehlt(zeile.blockNumber());
        });
    }
    box.exec();
}

} // namespace verbundo
