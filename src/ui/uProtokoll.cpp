// The message log in a window of its own, shown and hidden by a tool-bar button.

#include "ui/uHaupt.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace verbundo {

namespace {

// Takes the editor's new log lines while it is shown; lines made while it was hidden come
// when it opens again, as far as the log still keeps them.
class TProtokollfenster : public QWidget {
public:
    TProtokollfenster(QWidget* form, const TProtokollSpeicher& protokoll, QToolButton* knopf)
        : QWidget(form, Qt::Tool), Protokoll(protokoll), Knopf(knopf) {
        setObjectName(QStringLiteral("Protokollfenster"));
        setWindowTitle(QStringLiteral("Nachrichtenprotokoll"));
        resize(640, 260);
        Text = new QPlainTextEdit(this);
        Text->setObjectName(QStringLiteral("Protokoll"));
        Text->setReadOnly(true);
        Text->setLineWrapMode(QPlainTextEdit::NoWrap);
        Text->setMaximumBlockCount(static_cast<int>(TProtokollSpeicher::Grenze));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(2, 2, 2, 2);
        layout->addWidget(Text);
        auto* uhr = new QTimer(this);
        connect(uhr, &QTimer::timeout, this, &TProtokollfenster::Hole);
        uhr->start(100);
    }

    void Hole() {
        if (!isVisible() || Protokoll.Geschrieben() == Gelesen)
            return;
        const std::vector<std::string> zeilen = Protokoll.Zeilen(Gelesen);
        Gelesen = Protokoll.Geschrieben();
        QStringList neu;
        for (const std::string& z : zeilen)
            neu << QString::fromStdString(z);
        Text->appendPlainText(neu.join(QLatin1Char('\n')));
    }

protected:
    void showEvent(QShowEvent* e) override {
        QWidget::showEvent(e);
        Hole();
    }
    // Closed by its own title bar: the button comes up again.
    void hideEvent(QHideEvent* e) override {
        QWidget::hideEvent(e);
        Knopf->setChecked(false);
    }

private:
    const TProtokollSpeicher& Protokoll;
    QToolButton* Knopf;
    QPlainTextEdit* Text = nullptr;
    unsigned long long Gelesen = 0;
};

} // namespace

void TForm1::BaueProtokoll() {
    BProtokoll = Werkzeugknopf("BProtokoll", 709, QIcon(QStringLiteral(":/werkzeuge/tb12.png")),
                               QStringLiteral("Nachrichtenprotokoll"));
    BProtokoll->setCheckable(true);
    auto* fenster = new TProtokollfenster(this, Editor().Protokoll(), BProtokoll);
    Protokollfenster = fenster;
    connect(BProtokoll, &QToolButton::toggled, fenster, [this, fenster](bool an) {
        if (an && !fenster->isVisible()) {
            // Below the main window, where it hides nothing of it.
            fenster->move(frameGeometry().left(), frameGeometry().bottom() + 4);
            fenster->show();
        } else if (!an) {
            fenster->hide();
        }
    });
}

} // namespace verbundo
