#pragma once

#include "platform/MessageBoxService.h"

#include <QPointer>
#include <QWidget>

class QtMessageBox : public MessageBoxService {
  public:
    QWidget* Owner() const override { return owner_; }
    void SetOwner(QWidget* owner) override { owner_ = owner; }
    void Show(const QString& text, const QString& caption) override;

  private:
    QPointer<QWidget> owner_;
};
