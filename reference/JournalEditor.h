#pragma once

#include "reference/ListEditor.h"

// The journals editor: two-character codes of any characters, put in upper
// case when the field is left, and a list kept in the order entries were
// added until the dialog closes.
class JournalEditor final : public ListEditor {
public:
    explicit JournalEditor(Messages &messages);

protected:
    QString finishedCode(const QString &typed) const override;
    void readFlags(const CodeList &, qsizetype) override {}
    QString changedEntry(const QString &code, const QString &used, const QString &label) const override;
    void clearFlags() override {}
};
