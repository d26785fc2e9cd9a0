#pragma once

#include <string>
#include <vector>

namespace verbundo {

enum class TAntwort { Speichern, Verwerfen, Abbrechen };

// An input dialog's caption, prompt and default text.
struct TEingabefrage {
    std::string Titel, Frage, Vorgabe;
};

// Everything the editor asks the learner or shows in a box. The window answers with modal Qt
// dialogs (whose nested event loop keeps the timer running); tests answer from a script.
// Texts are UTF-8.
class TFragen {
public:
    virtual ~TFragen() = default;

    // Modal box "Information" with one "OK"; a CR in the text breaks the line.
    virtual void Information(const std::string& text) = 0;
    // Modal error box with one "OK".
    virtual void Fehler(const std::string& text) = 0;
    // The edited text, or vorgabe unchanged when cancelled: callers cannot tell the two apart.
    virtual std::string Eingabe(const std::string& titel, const std::string& frage,
                                const std::string& vorgabe) = 0;
    // The chosen path, or an empty text when cancelled.
    virtual std::string OeffnenWahl() = 0;
    virtual std::string SpeichernWahl(const std::string& vorschlag) = 0;
    // Whether unsaved changes are to be saved before the network goes; text is the question.
    virtual TAntwort Speicherfrage(const std::string& text) = 0;
    // A question box with these buttons; the index of the one chosen. Closing the box chooses
    // the last.
    virtual int Frage(const std::string& text, const std::vector<std::string>& knoepfe) = 0;
    // Like Eingabe, for a text of several lines.
    virtual std::string Textfeld(const std::string& titel, const std::string& frage,
                                 const std::string& vorgabe) {
        return Eingabe(titel, frage, vorgabe);
    }
    // One of the options: its number, or -1 when cancelled (or where no one can be asked).
    virtual int Auswahl(const std::string& titel, const std::string& frage,
                        const std::vector<std::string>& optionen) {
        (void)titel, (void)frage, (void)optionen;
        return -1;
    }
};

// Where saved networks go: the old file is replaced only by a complete new one.
class TDateiablage {
public:
    virtual ~TDateiablage() = default;
    // Raises EFehler "Cannot create file %s" or "Stream write error"; the old file then stays.
    virtual void Schreibe(const std::string& pfad, const std::string& inhalt) = 0;
};

} // namespace verbundo
