#pragma once

#include "FakePlatform.h"

#include <gtest/gtest.h>

// A list editor of either kind, with the user's way of adding an entry.
template <class Editor>
class ListEditorFixture : public ::testing::Test {
protected:
    FakeMessages messages;
    Editor editor{messages};

    // Types a code, leaves the field as the Tab key does, types the label or
    // name and validates.
    void add(const QString &code, const QString &text)
    {
        editor.codeField = code;
        editor.codeFieldExit();
        editor.labelField = text;
        editor.Envoi();
    }
};
