#pragma once

#include <optional>

namespace verbundo {

class TEditor;

// What the picture on screen was drawn from, so that a tick redraws only when it would look
// different: an idle front end with a large network would otherwise draw the same picture
// for ever.
class TZeichenstand {
public:
    void Gezeichnet(const TEditor& e);
    // Something was edited since, or messages travel now or did when it was drawn (the last
    // one's delivery must disappear too). Before the first picture: true.
    bool Veraltet(const TEditor& e) const;

private:
    std::optional<unsigned long long> Stand;
    bool MitNachrichten = false;
};

} // namespace verbundo
