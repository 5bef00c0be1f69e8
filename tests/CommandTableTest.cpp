#include "platform/CommandTable.h"
#include "RecordingMessageBox.h"

#include <gtest/gtest.h>

namespace {

// Polymorphic, as every real window is.
struct Window {
    virtual ~Window() = default;
    int ran = 0;
    void Works() { ++ran; }
    void Fails() {
        ++ran;
        throw FileError(FileError::Operation::Remove, "/games/temp.bmp", "Permission denied");
    }
};

} // namespace

TEST(CommandTable, DispatchesByIdAndReportsFileErrorsOnce) {
    CommandTable<Window> table;
    table.Add(40004, &Window::Works);
    table.Add(40003, &Window::Fails);
    Window window;
    RecordingMessageBox messages;

    EXPECT_TRUE(table.Dispatch(window, 40004, messages));
    EXPECT_FALSE(table.Dispatch(window, 57601, messages));
    EXPECT_EQ(window.ran, 1);
    EXPECT_TRUE(messages.boxes.empty());

    EXPECT_TRUE(table.Dispatch(window, 40003, messages));
    EXPECT_EQ(window.ran, 2);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Could not delete \"/games/temp.bmp\": Permission denied.");
}
