#pragma once

#include "reference/ListEditor.h"

// The chart of accounts editor: six-digit codes completed with zeros, a list
// kept in code order, and the "Pointable" box. A new account is never
// pointable; the box only counts when an existing account is validated.
class ChartEditor final : public ListEditor {
public:
    explicit ChartEditor(Messages &messages);

    bool checkOffBox = false; // "Pointable"

protected:
    QString finishedCode(const QString &typed) const override;
    void readFlags(const CodeList &entries, qsizetype index) override;
    QString changedEntry(const QString &code, const QString &used, const QString &label) const override;
    void clearFlags() override;
};
