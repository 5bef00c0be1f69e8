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
        if (onShow)
            onShow();
    }

    std::vector<Box> boxes;
    std::function<void()> onShow; // runs while the box would be up
};
