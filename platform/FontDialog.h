#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// A font as the font dialog shows and gives it.
struct FontChoice {
    QString family;
    int pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::optional<quint32> colour; // 0xRRGGBB; nothing: the automatic text colour

    bool operator==(const FontChoice &) const = default;
};

// The desktop's font dialog ("Police"): opened on a font, it gives the font
// chosen when closed by "OK", and nothing when closed by "Annuler".
class FontDialog {
public:
    virtual ~FontDialog() = default;
    virtual std::optional<FontChoice> choose(const FontChoice &current) = 0;
};
