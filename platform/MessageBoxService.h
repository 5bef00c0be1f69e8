#pragma once

#include <QString>

class QWidget;

// A modal message box with an OK button only. The game shows real ones; tests
// hand in a recorder.
class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;
    virtual void Show(const QString& text, const QString& caption) = 0;

    // The window the boxes belong to: a dialog takes them while it is up,
    // so they stand over it rather than behind it.
    virtual QWidget* Owner() const { return nullptr; }
    virtual void SetOwner(QWidget*) {}

    // A problem the program met, under the program's own name.
    void Report(const QString& text) { Show(text, QStringLiteral("Quadrillo")); }
};

// Boxes belong to `owner` for as long as this lives.
class MessageBoxOwner {
  public:
    MessageBoxOwner(MessageBoxService& messages, QWidget* owner)
        : messages_(messages), previous_(messages.Owner()) {
        messages_.SetOwner(owner);
    }
    ~MessageBoxOwner() { messages_.SetOwner(previous_); }
    MessageBoxOwner(const MessageBoxOwner&) = delete;
    MessageBoxOwner& operator=(const MessageBoxOwner&) = delete;

  private:
    MessageBoxService& messages_;
    QWidget* previous_;
};
