#pragma once

#include "platform/FileDialogs.h"

class QWidget;

// The desktop's open and save dialogs.
class QtFileDialogs final : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    std::optional<QString> open(const FileDialogRequest &request) override;
    std::optional<QString> save(const FileDialogRequest &request) override;
    std::optional<QString> folder(const QString &title, const QString &start) override;

private:
    std::optional<QString> run(const FileDialogRequest &request, bool saving);

    QWidget *parent_;
};
