#pragma once

#include <QString>

#include <vector>

// A modal message box with an OK button only. The game shows real ones; tests
// hand in a recorder.
class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;
    virtual void Show(const QString& text, const QString& caption) = 0;
};

class RecordingMessageBox : public MessageBoxService {
  public:
    struct Box {
        QString text;
        QString caption;
        bool operator==(const Box&) const = default;
    };

    void Show(const QString& text, const QString& caption) override {
        boxes.push_back({text, caption});
    }

    std::vector<Box> boxes;
};
