#pragma once

// The main window on the offscreen platform, with a scratch program
// directory, recorded message boxes and scripted file dialogs.
#include "MemoryProfileStore.h"
#include "RecordingMessageBox.h"
#include "ScriptedFileChooser.h"
#include "TestPictures.h"
#include "app/BoardWidget.h"
#include "app/MainFrame.h"
#include "packs/PackCatalogue.h"
#include "packs/PackFormat.h"
#include "packs/PackWriter.h"
#include "platform/BmpWriter.h"
#include "platform/ProgramDirectory.h"
#include "puzzle/PuzzleState.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

class MainFrameFixture : public ::testing::Test {
  protected:
    void Open(int n) {
        state.dimension = n;
        UpdateTileGeometry(state);
        JumbleBoard(state, 11);
        state.puzzleBitmap = CoordinatePicture();
        frame = std::make_unique<CMainFrame>(
            state, CMainFrame::Services{messages, Program(), [this] { ++quits; }, catalogue,
                                        [] { return 0u; }, chooser, profile});
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }

    void Click(Cell cell) {
        QTest::mouseClick(&frame->Board(), Qt::LeftButton, {},
                          QPoint(cell.column * state.tileWidth + state.tileWidth / 2,
                                 cell.row * state.tileHeight + state.tileHeight / 2));
    }

    // The pixel at the middle of a cell, as the window shows it.
    QRgb ShownAt(Cell cell) const {
        return frame->Board().grab().toImage().pixel(cell.column * state.tileWidth + 7,
                                                     cell.row * state.tileHeight + 5);
    }

    static QImage Solid(QRgb colour, QSize size = {kPictureWidth, kPictureHeight}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

    // One pack of two pictures, "Red" and "Blue", in Misc, scanned as start-up
    // does. Use with ASSERT_NO_FATAL_FAILURE.
    void InstallPack() {
        const ProgramDirectory program = Program();
        ASSERT_EQ(
            WritePack(program.File("misc.qdr"), Misc,
                      {{"Red", EncodeBmp24(Solid(kRed))}, {"Blue", EncodeBmp24(Solid(kBlue))}}),
            QString());
        ASSERT_TRUE(ScanPacks(catalogue, program.PackFolders()).empty());
        state.category = Misc;
        state.randomMode = 0;
    }

    // The game's directory as the fixture sets it up.
    ProgramDirectory Program() const {
        std::vector<std::filesystem::path> packFolders;
        if (!userPackFolder.empty())
            packFolders.push_back(userPackFolder);
        return ProgramDirectory(programDir.path().toStdString(), workingFolder, packFolders,
                                userPackFolder);
    }

    static constexpr QRgb kRed = 0xffd01010, kBlue = 0xff1010d0, kGreen = 0xff10d010;

    std::filesystem::path TempBmp() const {
        return std::filesystem::path(programDir.path().toStdString()) / "temp.bmp";
    }

    PuzzleState state;
    RecordingMessageBox messages;
    PackCatalogue catalogue;
    ScriptedFileChooser chooser;
    MemoryProfileStore profile;
    QTemporaryDir programDir;
    // Where the working files go; empty for beside the program.
    std::filesystem::path workingFolder;
    // The player's pack folder, read after the program's; empty for none.
    std::filesystem::path userPackFolder;
    int quits = 0;
    std::unique_ptr<CMainFrame> frame;
};
