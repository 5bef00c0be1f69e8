#pragma once

#include "platform/FileLayer.h"
#include "platform/MessageBoxService.h"

#include <functional>
#include <map>

inline void ReportFileError(const FileError& error, MessageBoxService& messages) {
    messages.Report(QString::fromStdString(error.what()));
}

// Runs one command: a file error ends it and is reported once, here.
template <class Command> void RunCommand(Command&& command, MessageBoxService& messages) {
    try {
        std::invoke(std::forward<Command>(command));
    } catch (const FileError& error) {
        ReportFileError(error, messages);
    }
}

// One window's table from command id to member function.
template <class Window> class CommandTable {
  public:
    using Handler = void (Window::*)();

    void Add(int id, Handler handler) { handlers_[id] = handler; }
    bool Has(int id) const { return handlers_.contains(id); }

    // False when the id has no handler.
    bool Dispatch(Window& window, int id, MessageBoxService& messages) const {
        const auto found = handlers_.find(id);
        if (found == handlers_.end())
            return false;
        RunCommand([&] { std::invoke(found->second, window); }, messages);
        return true;
    }

  private:
    std::map<int, Handler> handlers_;
};
