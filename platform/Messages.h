#pragma once

#include <QString>

// Modal message boxes, as the logic asks for them. Texts are French and come
// from the caller; the boxes' own buttons read "OK", "Oui", "Non", "Annuler".
class Messages {
public:
    enum class Answer { Yes, No, Cancel };
    enum class Choice { First, Second, Cancel };

    virtual ~Messages() = default;
    // Every button carries its access letter ("&Oui", "&Non", "&Annuler",
    // "&OK"): the letter alone answers the box.
    // Information box with a single "OK".
    virtual void information(const QString &text) = 0;
    // Warning box with "Oui", "Non" and "Annuler".
    virtual Answer warningYesNoCancel(const QString &text) = 0;
    // Warning box with "OK" and "Annuler"; true for "OK".
    virtual bool warningOkCancel(const QString &text) = 0;
    // Warning box with a button of the caller's ("&Ouvrir quand même") and
    // "Annuler"; true for the caller's button. Where no such box can be made,
    // the "OK" and "Annuler" one stands in.
    virtual bool warningAcceptCancel(const QString &text, const QString &acceptButton)
    {
        static_cast<void>(acceptButton);
        return warningOkCancel(text);
    }
    // Warning box with two buttons of the caller's ("Ouvrir en lecture
    // seule", "Ouvrir quand même") and "Annuler"; the first is the default.
    // Where no such box can be made, "Oui", "Non" and "Annuler" stand in.
    virtual Choice warningChoice(const QString &text, const QString &first, const QString &second)
    {
        static_cast<void>(first);
        static_cast<void>(second);
        switch (warningYesNoCancel(text)) {
        case Answer::Yes: return Choice::First;
        case Answer::No: return Choice::Second;
        case Answer::Cancel: break;
        }
        return Choice::Cancel;
    }
};
