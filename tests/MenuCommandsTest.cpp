// New, Open, Show solution and dropped files on the real main window.
#include "MainFrameFixture.h"
#include "PackFiles.h"
#include "options/OptionsDlg.h"
#include "packs/PackReports.h"
#include "packs/PackWriter.h"
#include "platform/BmpWriter.h"
#include "platform/DialogUnits.h"
#include "platform/FileLayer.h"
#include "platform/PictureLoader.h"
#include "resources/CommandIds.h"
#include "resources/OptionsDialog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace {

class MenuCommandsTest : public MainFrameFixture {
  protected:
    QString SaveIn(const QString& dir, const QString& name, const QImage& image) {
        const QString file = QDir(dir).filePath(name);
        EXPECT_TRUE(image.save(file));
        return file;
    }

    QStringList FilesIn(const QString& dir) const { return QDir(dir).entryList(QDir::Files); }
};

} // namespace

TEST_F(MenuCommandsTest, NewWithoutPicturesSaysWhereToGetAndPutSomeAndChangesNothing) {
    QTemporaryDir data;
    userPackFolder = std::filesystem::path(data.path().toStdString()) / "Quadrillo" / "packs";
    Open(5);
    WriteBytes(TempBmp(), "BMold");
    frame->Action(ID_VIEW_SOLUTION)->trigger();
    const Board board = state.board;
    state.gridLinesPending = false;

    QTest::keyClick(frame.get(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(
        messages.boxes[0],
        (RecordingMessageBox::Box{"If you'd like some go to " + PackDownloadAddress() +
                                      "\n\nPut picture packs (.qdr files) in the folder " +
                                      data.path() + "/Quadrillo/packs and start Quadrillo again.",
                                  "No picture packs found"}));
    EXPECT_EQ(ReadBytes(TempBmp()), "BMold");
    EXPECT_TRUE(state.solutionOpen);
    EXPECT_EQ(state.board.cells, board.cells);
    EXPECT_FALSE(state.gridLinesPending);
}

TEST_F(MenuCommandsTest, NewPlaysAPackPictureAndClosesTheSolutionWindow) {
    Open(10);
    ASSERT_NO_FATAL_FAILURE(InstallPack());
    state.title = 1;
    frame->Action(ID_VIEW_SOLUTION)->trigger();
    ASSERT_TRUE(frame->SolutionWindow());
    state.selectedTile = 7;
    state.solutionPicturePath = "elsewhere.png";

    frame->Action(ID_FILE_NEW_PICTURE)->trigger();
    EXPECT_TRUE(messages.boxes.empty());
    // The scripted draw of 0 takes picture 1 of the one pack.
    EXPECT_EQ(state.puzzleBitmap.pixel(300, 200), kRed);
    EXPECT_EQ(ReadBytes(TempBmp()), EncodeBmp24(Solid(kRed)));
    EXPECT_EQ(state.currentPicturePath, "temp.bmp");
    EXPECT_EQ(state.solutionPicturePath, "temp.bmp");
    EXPECT_FALSE(state.solutionOpen);
    QApplication::processEvents();
    EXPECT_FALSE(frame->SolutionWindow());
    EXPECT_FALSE(IsPuzzleSolved(state));
    EXPECT_EQ(state.selectedTile, -1);
    EXPECT_TRUE(state.gridLinesPending); // drawn at the next paint with the grid on
    EXPECT_EQ(ShownAt({3, 3}), kRed);
}

TEST_F(MenuCommandsTest, NewStopsWhenTempBmpCannotBeReplaced) {
    Open(5);
    ASSERT_NO_FATAL_FAILURE(InstallPack());
    // A directory in its place is no file of the game's, even to root.
    std::filesystem::create_directory(TempBmp());
    WriteBytes(TempBmp() / "keep", "x");
    const Board board = state.board;
    frame->Action(ID_FILE_NEW_PICTURE)->trigger();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text.toStdString(),
              "Could not write \"" + TempBmp().string() + "\": it is not a regular file.");
    EXPECT_EQ(state.puzzleBitmap, CoordinatePicture());
    EXPECT_EQ(state.board.cells, board.cells);
    EXPECT_EQ(ReadBytes(TempBmp() / "keep"), "x");
    EXPECT_FALSE(std::filesystem::exists(PartFile(TempBmp())));
}

TEST_F(MenuCommandsTest, OpenCancelledChangesNothing) {
    Open(5);
    WriteBytes(TempBmp(), "BMold");
    const Board board = state.board;
    chooser.answers = {""};
    QTest::keyClick(frame.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(chooser.asked, 1);
    ASSERT_EQ(chooser.owners.size(), 1u);
    EXPECT_EQ(chooser.owners[0], frame.get());
    EXPECT_EQ(ReadBytes(TempBmp()), "BMold");
    EXPECT_EQ(state.board.cells, board.cells);
    EXPECT_EQ(state.puzzleBitmap, CoordinatePicture());
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(MenuCommandsTest, OpenPlaysAnyPictureAndLeavesItsFolderAlone) {
    Open(6);
    QTemporaryDir photos;
    const QString bmp = SaveIn(photos.path(), "beach.bmp", Solid(kGreen, {64, 40}));
    const QString png = SaveIn(photos.path(), "sky.png", Solid(kBlue, {800, 500}));
    WriteBytes(std::filesystem::path(photos.path().toStdString()) / "temp.bmp", "BMtheirs");
    const QStringList before = FilesIn(photos.path());
    WriteBytes(TempBmp(), "BMold");
    frame->Action(ID_VIEW_SOLUTION)->trigger();
    state.selectedTile = 3;

    chooser.answers = {bmp};
    frame->Action(ID_FILE_OPEN)->trigger();
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_FALSE(std::filesystem::exists(TempBmp()));
    EXPECT_EQ(FilesIn(photos.path()), before);
    EXPECT_EQ(ReadBytes(std::filesystem::path(photos.path().toStdString()) / "temp.bmp"),
              "BMtheirs");
    EXPECT_EQ(state.puzzleBitmap.size(), QSize(kPictureWidth, kPictureHeight));
    EXPECT_EQ(state.puzzleBitmap.pixel(599, 374), kGreen);
    EXPECT_EQ(state.currentPicturePath, bmp);
    EXPECT_EQ(state.solutionPicturePath, bmp);
    EXPECT_FALSE(state.solutionOpen);
    EXPECT_EQ(state.selectedTile, -1);
    EXPECT_EQ(ShownAt({2, 2}), kGreen);

    chooser.answers = {png};
    frame->Action(ID_FILE_OPEN)->trigger();
    EXPECT_EQ(state.puzzleBitmap.pixel(0, 0), kBlue);
    EXPECT_EQ(state.solutionPicturePath, png);
}

TEST_F(MenuCommandsTest, OpenOfNoPictureSaysWhyAndKeepsEverything) {
    Open(5);
    QTemporaryDir elsewhere;
    const QString text = QDir(elsewhere.path()).filePath("notes.txt");
    WriteBytes(text.toStdString(), "hello, not a picture");
    WriteBytes(TempBmp(), "BMold");
    frame->Action(ID_VIEW_SOLUTION)->trigger();
    state.solutionPicturePath = "temp.bmp";
    const Board board = state.board;

    chooser.answers = {text};
    frame->Action(ID_FILE_OPEN)->trigger();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_TRUE(messages.boxes[0].text.startsWith("notes.txt is not a picture Quadrillo can show"))
        << messages.boxes[0].text.toStdString();
    EXPECT_EQ(ReadBytes(TempBmp()), "BMold");
    EXPECT_EQ(state.puzzleBitmap, CoordinatePicture());
    EXPECT_EQ(state.board.cells, board.cells);
    EXPECT_TRUE(state.solutionOpen);
    EXPECT_EQ(state.solutionPicturePath, "temp.bmp");
}

TEST_F(MenuCommandsTest, OpenOfTheGamesOwnTempBmpPlaysIt) {
    Open(5);
    ASSERT_TRUE(Solid(kRed, {30, 20}).save(QString::fromStdString(TempBmp().string()), "BMP"));
    chooser.answers = {QString::fromStdString(TempBmp().string())};
    frame->Action(ID_FILE_OPEN)->trigger();
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_TRUE(std::filesystem::exists(TempBmp()));
    EXPECT_EQ(state.puzzleBitmap.pixel(300, 200), kRed);
}

TEST_F(MenuCommandsTest, ADroppedFileIsOpened) {
    Open(5);
    QTemporaryDir photos;
    const QString png = SaveIn(photos.path(), "drop.png", Solid(kBlue, {100, 60}));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(png)});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &drop);
    EXPECT_EQ(state.puzzleBitmap.pixel(10, 10), kBlue);
    EXPECT_EQ(state.currentPicturePath, png);

    // Text that is no file is refused at the door.
    QMimeData words;
    words.setText("just words");
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &words, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QApplication::sendEvent(frame.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(MenuCommandsTest, OneSolutionWindowClosedByEnterEscOrItsCloseBox) {
    Open(5);
    QTemporaryDir photos;
    const QString picture = SaveIn(photos.path(), "whole.png", CoordinatePicture(600, 375));
    state.solutionPicturePath = picture;
    frame->activateWindow();

    QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
    QPointer<CSolutionDlg> first = frame->SolutionWindow();
    ASSERT_TRUE(first);
    EXPECT_TRUE(state.solutionOpen);
    EXPECT_EQ(first->windowTitle(), "Solution");
    EXPECT_FALSE(first->isModal());
    // Asked again, even from behind the game, it does nothing.
    frame->activateWindow();
    QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(frame->SolutionWindow(), first);

    // The picture, reduced, in the middle of its frame, read from the file.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(first));
    const CSolutionDlg::Layout layout = CSolutionDlg::LayOut(BaseUnitsOf(first->font()));
    EXPECT_EQ(first->size(), layout.client);
    const QPoint at = layout.picture.topLeft();
    const QImage shown = first->grab().toImage();
    const QImage reduced = LoadPicture(picture, {300, 188}).image;
    ASSERT_FALSE(reduced.isNull());
    for (QPoint p : {QPoint(0, 0), QPoint(299, 187), QPoint(150, 94)})
        EXPECT_EQ(shown.pixel(at + p), reduced.pixel(p)) << p.x() << "," << p.y();
    EXPECT_NE(shown.pixel(at - QPoint(1, 1)), reduced.pixel(0, 0));
    // A file that cannot be shown leaves the picture area white.
    state.solutionPicturePath = QDir(photos.path()).filePath("gone.png");
    const QImage blank = first->grab().toImage();
    EXPECT_EQ(blank.pixel(at), qRgb(255, 255, 255));
    EXPECT_EQ(blank.pixel(at + QPoint(299, 187)), qRgb(255, 255, 255));

    for (auto close : std::vector<std::function<void(QWidget*)>>{
             [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); },
             [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); },
             [](QWidget* w) { QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier); },
             [](QWidget* w) { w->close(); }}) {
        frame->Action(ID_VIEW_SOLUTION)->trigger();
        QPointer<CSolutionDlg> window = frame->SolutionWindow();
        ASSERT_TRUE(window);
        close(window);
        EXPECT_FALSE(state.solutionOpen);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(window);
    }
    // The game goes on meanwhile: a click still picks a tile up.
    Click({1, 1});
    EXPECT_EQ(state.selectedTile, state.board.At(1, 1));
}

TEST_F(MenuCommandsTest, TheBoardTellsScreenReadersWhatItIs) {
    Open(7);
    EXPECT_EQ(frame->Board().accessibleName(), "Board");
    EXPECT_TRUE(frame->Board().accessibleDescription().contains("7 x 7"));
    state.dimension = 9;
    UpdateTileGeometry(state);
    frame->ResizeToBoard();
    EXPECT_TRUE(frame->Board().accessibleDescription().contains("9 x 9"));
}

TEST_F(MenuCommandsTest, OpenReadsPhotoFormatsBeyondBitmaps) {
    Open(5);
    QTemporaryDir photos;
    // The image format plugins the set-up installs.
    for (const char* format : {"webp", "tiff", "jpg", "png"}) {
        SCOPED_TRACE(format);
        const QString file = QDir(photos.path()).filePath(QStringLiteral("photo.") + format);
        ASSERT_TRUE(Solid(kGreen, {90, 60}).save(file, format));
        chooser.answers = {file};
        state.puzzleBitmap = QImage();
        frame->Action(ID_FILE_OPEN)->trigger();
        ASSERT_TRUE(messages.boxes.empty()) << messages.boxes[0].text.toStdString();
        ASSERT_EQ(state.puzzleBitmap.size(), QSize(kPictureWidth, kPictureHeight));
        // Lossy formats come close, not exact.
        const QRgb shown = state.puzzleBitmap.pixel(300, 180);
        EXPECT_NEAR(qGreen(shown), qGreen(kGreen), 8);
        EXPECT_NEAR(qRed(shown), qRed(kGreen), 8);
    }
}

TEST_F(MenuCommandsTest, OpenTakesPathsOfAnyLengthAndCharacters) {
    Open(5);
    QTemporaryDir photos;
    // Well past the 99 and 199 characters a fixed buffer would hold.
    QString folder = photos.path();
    for (int i = 0; i < 4; ++i)
        folder += QStringLiteral("/") + QString(60, QChar(u'a' + i));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = SaveIn(folder, QStringLiteral("café – ☀ «sea».png"), Solid(kBlue));
    ASSERT_GT(file.size(), 260);
    chooser.answers = {file};
    frame->Action(ID_FILE_OPEN)->trigger();
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(state.currentPicturePath, file);
    EXPECT_EQ(state.solutionPicturePath, file);
    EXPECT_EQ(state.puzzleBitmap.pixel(1, 1), kBlue);
    frame->Action(ID_VIEW_SOLUTION)->trigger();
    ASSERT_TRUE(frame->SolutionWindow());
    const CSolutionDlg::Layout layout =
        CSolutionDlg::LayOut(BaseUnitsOf(frame->SolutionWindow()->font()));
    EXPECT_EQ(frame->SolutionWindow()->grab().toImage().pixel(layout.picture.center()), kBlue);
}

namespace {

// Runs `steps` on the Options dialog once its modal loop is up.
void WithOptionsDialog(std::function<void(COptionsDlg&)> steps) {
    QTimer::singleShot(0, [steps] {
        auto* dialog = qobject_cast<COptionsDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        steps(*dialog);
    });
}

void ClickControl(COptionsDlg& dialog, int id) {
    QWidget* control = dialog.GetDlgItem(id);
    ASSERT_NE(control, nullptr) << id;
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(4, control->height() / 2));
}

} // namespace

TEST_F(MenuCommandsTest, OptionsWithANewGridSizeResizesAndJumbles) {
    Open(5);
    frame->move(120, 80);
    const QPoint outer = frame->pos();
    state.selectedTile = 4;
    WithOptionsDialog([](COptionsDlg& dialog) {
        ClickControl(dialog, IDC_GRID7);
        ClickControl(dialog, IDOK);
    });
    frame->Action(ID_VIEW_OPTIONS)->trigger();
    EXPECT_EQ(state.dimension, 7);
    EXPECT_EQ(state.tileWidth, 85);
    EXPECT_EQ(state.tileHeight, 53);
    EXPECT_EQ(frame->Board().size(), QSize(596, 372));
    EXPECT_EQ(frame->pos(), outer);
    EXPECT_FALSE(IsPuzzleSolved(state));
    EXPECT_EQ(state.selectedTile, -1);
    EXPECT_EQ(profile.values.value("Settings/Dimension"), 7);
    EXPECT_TRUE(frame->Board().accessibleDescription().contains("7 x 7"));
}

TEST_F(MenuCommandsTest, OptionsTellsOnceThatSettingsCannotBeSavedAndAppliesThem) {
    Open(5);
    WithOptionsDialog([this](COptionsDlg& dialog) {
        ClickControl(dialog, IDC_GRID6);
        profile.fault.emplace(FileError::Operation::Write, "/config/quadrillo.conf",
                              "it cannot be written");
        ClickControl(dialog, IDOK);
    });
    frame->Action(ID_VIEW_OPTIONS)->trigger();
    // After the box that says there are no packs, as every Options without them.
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].caption, "No picture packs found");
    EXPECT_EQ(messages.boxes[1].text, "Could not write \"/config/quadrillo.conf\": it cannot be "
                                      "written. Changed settings last until Quadrillo ends.");
    EXPECT_EQ(state.dimension, 6);
    EXPECT_EQ(frame->Board().size(), QSize(601, 373));
}

TEST_F(MenuCommandsTest, OptionsUnchangedOnlyDropsTheSelection) {
    Open(5);
    const Board board = state.board;
    state.selectedTile = 9;
    WithOptionsDialog([](COptionsDlg& dialog) { ClickControl(dialog, IDOK); });
    frame->Action(ID_VIEW_OPTIONS)->trigger();
    EXPECT_EQ(state.board.cells, board.cells);
    EXPECT_EQ(frame->Board().size(), QSize(600, 375));
    EXPECT_EQ(state.selectedTile, -1);
    EXPECT_EQ(profile.writes, 4); // OK writes all four, changed or not

    // Cancel puts a grid size clicked back and writes nothing.
    WithOptionsDialog([](COptionsDlg& dialog) {
        ClickControl(dialog, IDC_GRID9);
        ClickControl(dialog, IDCANCEL);
    });
    frame->Action(ID_VIEW_OPTIONS)->trigger();
    EXPECT_EQ(state.dimension, 5);
    EXPECT_EQ(profile.writes, 4);
    EXPECT_EQ(state.board.cells, board.cells);
}

TEST_F(MenuCommandsTest, OptionsWithANewSizeAndTryThisPlaysThePictureAtTheNewSize) {
    Open(5);
    ASSERT_NO_FATAL_FAILURE(InstallPack());
    frame->Action(ID_VIEW_SOLUTION)->trigger();
    WithOptionsDialog([](COptionsDlg& dialog) {
        ClickControl(dialog, IDC_GRID8);
        ClickControl(dialog, IDC_TRY_THIS);
    });
    frame->Action(ID_VIEW_OPTIONS)->trigger();
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(state.dimension, 8);
    EXPECT_EQ(frame->Board().size(), QSize(601, 369));
    // Nothing selected in the list: the first picture of the category's first pack.
    EXPECT_EQ(state.puzzleBitmap.pixel(300, 200), kRed);
    EXPECT_EQ(state.currentPicturePath, "temp.bmp");
    EXPECT_EQ(state.solutionPicturePath, "temp.bmp");
    EXPECT_FALSE(state.tryThisPending);
    EXPECT_FALSE(IsPuzzleSolved(state));
    EXPECT_EQ(ShownAt({1, 1}), kRed);
    // Options leaves the Solution window alone.
    EXPECT_TRUE(state.solutionOpen);
    EXPECT_EQ(profile.values.value("Settings/Dimension"), 8);
    EXPECT_EQ(profile.values.value("Settings/Random"), 0);
}
