#pragma once

#include "platform/MessageBoxService.h"

#include <QPointer>
#include <QWidget>

class QtMessageBox : public MessageBoxService {
  public:
    void SetOwner(QWidget* owner) { owner_ = owner; }
    void Show(const QString& text, const QString& caption) override;

  private:
    QPointer<QWidget> owner_;
};
