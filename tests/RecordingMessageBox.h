#pragma once

#include "platform/MessageBoxService.h"

#include <functional>
#include <vector>

// Keeps every box instead of showing it.
class RecordingMessageBox : public MessageBoxService {
  public:
    struct Box {
        QString text;
        QString caption;
        bool operator==(const Box&) const = default;
    };

    void Show(const QString& text, const QString& caption) override {
        boxes.push_back({text, caption});
        owners.push_back(owner_);
        if (onShow)
            onShow();
    }

    QWidget* Owner() const override { return owner_; }
    void SetOwner(QWidget* owner) override { owner_ = owner; }

    std::vector<Box> boxes;
    std::vector<QWidget*> owners; // whose each box was
    std::function<void()> onShow; // runs while the box would be up

  private:
    QWidget* owner_ = nullptr;
};
