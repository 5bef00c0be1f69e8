#pragma once

#include <QString>

// A modal message box with an OK button only. The game shows real ones; tests
// hand in a recorder.
class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;
    virtual void Show(const QString& text, const QString& caption) = 0;

    // A problem the program met, under the program's own name.
    void Report(const QString& text) { Show(text, QStringLiteral("Quadrillo")); }
};
