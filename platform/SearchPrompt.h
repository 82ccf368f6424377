#pragma once

#include <QString>

// The prompt of the entry search ("Recherche d'une écriture"): the text the
// user typed when the prompt was closed by "OK", an empty text when it was
// cancelled (by "Annuler", Escape or its close box).
class SearchPrompt {
public:
    virtual ~SearchPrompt() = default;
    virtual QString ask() = 0;
};
