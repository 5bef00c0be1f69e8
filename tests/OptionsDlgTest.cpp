// The Options dialog on the offscreen platform: real clicks and keys, real
// pack files, the real settings file.
#include "options/OptionsDlg.h"
#include "PackFiles.h"
#include "RecordingMessageBox.h"
#include "TestPictures.h"
#include "packs/PackCatalogue.h"
#include "packs/PackReports.h"
#include "packs/PackWriter.h"
#include "platform/BmpWriter.h"
#include "platform/DialogUnits.h"
#include "platform/QSettingsProfileStore.h"
#include "puzzle/PuzzleState.h"
#include "resources/OptionsDialog.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace {

// The real settings file, and every write in the order it came.
class OrderedProfile : public QSettingsProfileStore {
  public:
    OrderedProfile() : QSettingsProfileStore("Quadrillo", "quadrillo") {}
    void WriteProfileInt(const QString& section, const QString& entry, std::int32_t v) override {
        written.append(QStringLiteral("%1=%2").arg(entry).arg(v));
        QSettingsProfileStore::WriteProfileInt(section, entry, v);
    }
    QStringList written;
};

QImage Solid(QRgb colour, QSize size = {6, 4}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}
QRgb Colour(int k) {
    return qRgb(40 * k % 256, 255 - 30 * k % 256, 90);
}

class OptionsDlgTest : public ::testing::Test {
  protected:
    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
        profile = std::make_unique<OrderedProfile>();
        state.randomMode = 0;
    }
    void TearDown() override {
        dialog.reset();
        // Qt cannot name a file whose name is not UTF-8, so cannot delete it.
        for (const auto& entry : std::filesystem::directory_iterator(program.Path()))
            std::filesystem::remove_all(entry.path());
    }

    // Pictures titled prefix1, prefix2, ..., picture k of colour k.
    void AddPack(const std::string& name, int category, int pictures, const QString& prefix) {
        AddPackAt(program.File(name), category, pictures, prefix);
    }
    void AddPackAt(const std::filesystem::path& pack, int category, int pictures,
                   const QString& prefix) {
        std::vector<PackPicture> contents;
        for (int k = 1; k <= pictures; ++k)
            contents.push_back({prefix + QString::number(k), EncodeBmp24(Solid(Colour(k)))});
        ASSERT_EQ(WritePack(pack, category, contents), QString());
    }
    void Scan() { ASSERT_TRUE(ScanPacks(catalogue, program.PackFolders()).empty()); }
    void Open() {
        dialog =
            std::make_unique<COptionsDlg>(catalogue, state, messages, *profile, program, nullptr);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    template <class Widget = QWidget> Widget* Item(int id) const {
        return qobject_cast<Widget*>(dialog->GetDlgItem(id));
    }
    QListWidget* List() const { return Item<QListWidget>(IDC_TITLE_LIST); }
    QComboBox* Combo(int category) const { return Item<QComboBox>(IDC_CARTOONS + category); }
    void Click(int id) {
        auto* button = Item<QAbstractButton>(id);
        // A radio on its circle, which a long caption cannot move.
        const int middle = button->height() / 2;
        QTest::mouseClick(button, Qt::LeftButton, {},
                          qobject_cast<QRadioButton*>(button) ? QPoint(middle, middle)
                                                              : button->rect().center());
    }
    void ClickTitle(int row) {
        List()->scrollToItem(List()->item(row));
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                          List()->visualItemRect(List()->item(row)).center());
    }
    // As a player picks an item: the keyboard on the closed list.
    void ChooseInCombo(int category, int item) {
        QTest::keyClick(Combo(category), Qt::Key_Home);
        for (int k = 0; k < item; ++k)
            QTest::keyClick(Combo(category), Qt::Key_Down);
        ASSERT_EQ(Combo(category)->currentIndex(), item);
    }
    QStringList Titles() const {
        QStringList titles;
        for (int row = 0; row < List()->count(); ++row)
            titles.append(List()->item(row)->text());
        return titles;
    }
    std::vector<int> Checked() const {
        std::vector<int> ids;
        for (int id = IDC_GRID4; id <= IDC_CHOOSE_FROM; ++id)
            if (Item<QRadioButton>(id)->isChecked())
                ids.push_back(id);
        return ids;
    }
    // In the order they were written, and in the file.
    void ExpectStored(int dimension, int category, int title, int random) const {
        const QStringList values = {QStringLiteral("Dimension=%1").arg(dimension),
                                    QStringLiteral("Category=%1").arg(category),
                                    QStringLiteral("Title=%1").arg(title),
                                    QStringLiteral("Random=%1").arg(random)};
        EXPECT_EQ(profile->written, values);
        QSettings file(config.filePath("Quadrillo/quadrillo.conf"), QSettings::IniFormat);
        for (const QString& value : values)
            EXPECT_EQ(file.value("Settings/" + value.section('=', 0, 0)).toString(),
                      value.section('=', 1));
    }
    bool SettingsWritten() const { return QFile::exists(config.filePath("Quadrillo")); }
    bool Exists(const char* name) const { return std::filesystem::exists(program.File(name)); }

    QTemporaryDir config, dir;
    ProgramDirectory program{dir.path().toStdString()};
    PuzzleState state;
    PackCatalogue catalogue;
    RecordingMessageBox messages;
    std::unique_ptr<OrderedProfile> profile;
    std::unique_ptr<COptionsDlg> dialog;
};

// Movies: three packs of 5, 3 and 4 pictures, their names in Windows-1252,
// UTF-8 and ASCII. Cartoons: two packs.
class ThreeMoviePacks : public OptionsDlgTest {
  protected:
    void SetUp() override {
        OptionsDlgTest::SetUp();
        AddPack("b\xe9"
                "b\xe9.qdr",
                Movies, 5, "B");
        AddPack("caf\xc3\xa9.qdr", Movies, 3, "C");
        AddPack("zeta.qdr", Movies, 4, "Z");
        AddPack("toons.qdr", Cartoons, 2, "T");
        AddPack("toons2.qdr", Cartoons, 6, "U");
        Scan();
    }
    const QStringList kAllMovies = {"B1", "B2", "B3", "B4", "B5", "C1",
                                    "C2", "C3", "Z1", "Z2", "Z3", "Z4"};
};

} // namespace

TEST_F(ThreeMoviePacks, OpensInRandomModeOrListingThePacksOfTheCategory) {
    state.randomMode = 1;
    state.category = Movies;
    state.dimension = 9;
    Open();
    EXPECT_EQ(Checked(), (std::vector<int>{IDC_GRID9, IDC_TOTALLY_RANDOM}));
    for (int category = 0; category < kCategoryCount; ++category) {
        EXPECT_FALSE(Combo(category)->isEnabled()) << category;
        EXPECT_EQ(Combo(category)->currentIndex(), -1) << category;
    }
    EXPECT_EQ(List()->count(), 0);
    Click(IDCANCEL);

    state.randomMode = 2; // neither 0 nor 1: choose mode, and 0 from now on
    state.dimension = 5;
    Open();
    EXPECT_EQ(Checked(), (std::vector<int>{IDC_GRID5, IDC_CHOOSE_FROM}));
    EXPECT_EQ(state.randomMode, 0);
    QStringList names;
    for (int item = 0; item < Combo(Movies)->count(); ++item)
        names.append(Combo(Movies)->itemText(item));
    EXPECT_EQ(names, (QStringList{"All films", "b\u00e9b\u00e9.qdr", "caf\u00e9.qdr", "zeta.qdr"}));
    EXPECT_EQ(Combo(Movies)->currentIndex(), 0);
    EXPECT_EQ(Titles(), kAllMovies);
    EXPECT_TRUE(Combo(Cartoons)->isEnabled());
    EXPECT_FALSE(Combo(Misc)->isEnabled());
    EXPECT_EQ(Combo(Misc)->count(), 1);
    Click(IDCANCEL);

    state.title = 2; // one pack
    Open();
    EXPECT_EQ(Combo(Movies)->currentIndex(), 2);
    EXPECT_EQ(Titles(), (QStringList{"C1", "C2", "C3"}));
    Click(IDCANCEL);

    state.title = 4; // a pack removed since: "All" stands in for it
    Open();
    EXPECT_EQ(Combo(Movies)->currentIndex(), 0);
    EXPECT_EQ(Titles(), kAllMovies);
    EXPECT_EQ(state.title, 0);
    Click(IDCANCEL);
    EXPECT_EQ(state.title, 4);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_FALSE(SettingsWritten());
}

TEST_F(ThreeMoviePacks, ExactlyOneGridAndOneModeRadioAfterAnyClicks) {
    state.category = Movies;
    Open();
    std::mt19937 draw(7);
    int grid = IDC_GRID5, mode = IDC_CHOOSE_FROM;
    for (int click = 0; click < 60; ++click) {
        const int id = IDC_GRID4 + int(draw() % 9);
        if (click % 5 == 4) // now and then from the keyboard
            QTest::keyClick(Item(id), Qt::Key_Space);
        else
            Click(id);
        (id <= IDC_GRID10 ? grid : mode) = id;
        ASSERT_EQ(Checked(), (std::vector<int>{grid, mode})) << "click " << click << " on " << id;
    }
}

TEST_F(ThreeMoviePacks, GridSizeIsKeptOnlyByOkOrEnter) {
    Open();
    Click(IDC_GRID6);
    EXPECT_EQ(state.dimension, 5); // only OK reads the radios
    Click(IDCANCEL);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(state.dimension, 5);
    EXPECT_FALSE(SettingsWritten());

    Open();
    Click(IDC_GRID6);
    Click(IDOK);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(state.dimension, 6);
    ExpectStored(6, Cartoons, 0, 0);

    // Esc and the close box cancel; Enter away from the buttons is OK.
    profile->written.clear();
    Open();
    Click(IDC_GRID10);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    Open();
    Click(IDC_GRID4);
    dialog->close();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(state.dimension, 6);
    EXPECT_TRUE(profile->written.isEmpty());
    Open();
    Click(IDC_GRID8);
    QTest::keyClick(Item(IDC_GRID8), Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(state.dimension, 8);
}

TEST_F(ThreeMoviePacks, APackChosenThenCancelPutsCategoryAndTitleBack) {
    state.category = Movies;
    Open();
    ChooseInCombo(Cartoons, 2);
    EXPECT_EQ(state.category, Cartoons);
    EXPECT_EQ(state.title, 2);
    EXPECT_EQ(Titles(), (QStringList{"U1", "U2", "U3", "U4", "U5", "U6"}));
    ChooseInCombo(Cartoons, 0);
    EXPECT_EQ(Titles().size(), 8);
    ChooseInCombo(Cartoons, 1);
    Click(IDCANCEL);
    EXPECT_EQ(state.category, Movies);
    EXPECT_EQ(state.title, 0);
    EXPECT_FALSE(SettingsWritten());
}

TEST_F(ThreeMoviePacks, TotallyRandomThenOkKeepsTheCategory) {
    state.category = Cartoons;
    state.title = 1;
    Open();
    Click(IDC_TOTALLY_RANDOM);
    EXPECT_EQ(List()->count(), 0);
    EXPECT_FALSE(Combo(Cartoons)->isEnabled());
    Click(IDOK);
    ExpectStored(5, Cartoons, 0, 1);
}

TEST_F(ThreeMoviePacks, TryThisPlaysTheSelectedPictureAndSavesWhatIsShown) {
    state.category = Movies;
    Open();
    ChooseInCombo(Cartoons, 2);
    Click(IDC_GRID8);
    ClickTitle(2);
    ASSERT_TRUE(Exists("prev.bmp"));
    Click(IDC_TRY_THIS);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(ReadBytes(program.File("temp.bmp")), EncodeBmp24(Solid(Colour(3))));
    EXPECT_EQ(state.puzzleBitmap.size(), QSize(kPictureWidth, kPictureHeight));
    EXPECT_EQ(state.puzzleBitmap.pixel(300, 200), Colour(3));
    EXPECT_EQ(state.solutionPicturePath, "temp.bmp");
    EXPECT_FALSE(Exists("prev.bmp"));
    EXPECT_TRUE(state.tryThisPending);
    EXPECT_TRUE(state.gridLinesPending);
    ExpectStored(8, Cartoons, 2, 0);

    // Nothing selected under "All": the first picture of the first pack.
    profile->written.clear();
    Open();
    ChooseInCombo(Cartoons, 0);
    Click(IDC_TRY_THIS);
    EXPECT_EQ(ReadBytes(program.File("temp.bmp")), EncodeBmp24(Solid(Colour(1))));
    ExpectStored(8, Cartoons, 0, 0);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(ThreeMoviePacks, TryThisDoesNothingInRandomModeOrWithAnEmptyList) {
    state.randomMode = 1;
    state.previewBitmap = Solid(qRgb(1, 1, 1), {150, 90}); // left from an earlier run
    Open();
    EXPECT_TRUE(state.previewBitmap.isNull());
    Click(IDC_TRY_THIS);
    EXPECT_TRUE(dialog->isVisible());
    state.randomMode = 0;
    state.category = Music; // no packs
    Open();
    Click(IDC_TRY_THIS);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(Exists("temp.bmp"));
    EXPECT_FALSE(state.tryThisPending);
    EXPECT_FALSE(SettingsWritten());
}

TEST_F(OptionsDlgTest, NoPacksAtAllIsToldOnceBeforeTheDialogShowsAndItStaysUsable) {
    state.category = Music;
    std::vector<bool> visibleAtBox;
    messages.onShow = [&] { visibleAtBox.push_back(dialog->isVisible()); };
    Open();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0],
              (RecordingMessageBox::Box{"If you'd like some go to " + PackDownloadAddress() +
                                            "\n\nPut picture packs (.qdr files) in the folder " +
                                            dir.path() + " and start Quadrillo again.",
                                        "No picture packs found"}));
    EXPECT_EQ(messages.owners[0], dialog.get());
    EXPECT_EQ(visibleAtBox, std::vector<bool>{false});
    for (int category = 0; category < kCategoryCount; ++category)
        EXPECT_FALSE(Combo(category)->isEnabled());
    Click(IDC_TRY_THIS);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(Exists("temp.bmp"));
    Click(IDC_GRID7);
    Click(IDOK);
    ExpectStored(7, Music, 0, 0);
    EXPECT_EQ(messages.boxes.size(), 1u);
}

TEST_F(ThreeMoviePacks, BrokenPacksAreToldAndNothingHalfWrittenIsPlayed) {
    // Picture 2 of the Misc pack is cut short; a Movies pack is gone.
    const QByteArray good = EncodeBmp24(Solid(qRgb(1, 2, 3)));
    WriteBytes(program.File("torn.qdr"),
               QByteArray("X\x01\x02", 3) + RawRecord("Good", std::uint32_t(good.size()), good) +
                   RawRecord("Torn", std::uint32_t(good.size()), good.left(40)));
    Scan();
    std::filesystem::remove(program.File("caf\xc3\xa9.qdr"));
    WriteBytes(program.File("temp.bmp"), "the picture being played");
    state.puzzleBitmap = CoordinatePicture();
    state.category = Misc;
    Open();
    ClickTitle(1);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "torn.qdr: Read Out the File");
    EXPECT_EQ(messages.owners[0], dialog.get());
    EXPECT_TRUE(state.previewBitmap.isNull());
    EXPECT_FALSE(Exists("prev.bmp"));
    Click(IDC_TRY_THIS);
    EXPECT_EQ(messages.boxes.size(), 2u);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(ReadBytes(program.File("temp.bmp")), "the picture being played");
    EXPECT_EQ(state.puzzleBitmap, CoordinatePicture());
    EXPECT_FALSE(state.tryThisPending);

    // The gone pack is named; counting past it would name the wrong
    // picture, so the list takes nothing.
    ChooseInCombo(Movies, 0);
    ASSERT_EQ(messages.boxes.size(), 3u);
    EXPECT_TRUE(messages.boxes[2].text.startsWith("Could not open"));
    EXPECT_TRUE(messages.boxes[2].text.contains("caf\u00e9.qdr"));
    EXPECT_EQ(Titles().size(), 9);
    ClickTitle(8); // counted by the catalogue, the first of zeta.qdr; shown, its last
    Click(IDC_TRY_THIS);
    EXPECT_FALSE(Exists("prev.bmp"));
    EXPECT_EQ(ReadBytes(program.File("temp.bmp")), "the picture being played");
    EXPECT_TRUE(profile->written.isEmpty());

    // Sound packs preview and play as ever.
    ChooseInCombo(Movies, 3);
    ClickTitle(1);
    EXPECT_EQ(state.previewBitmap.pixel(75, 45), Colour(2));
    Click(IDC_TRY_THIS);
    EXPECT_EQ(ReadBytes(program.File("temp.bmp")), EncodeBmp24(Solid(Colour(2))));
}

TEST_F(OptionsDlgTest, ThePreviewFillsTheFrameFromItsInsideCornerAndIsRepainted) {
    ASSERT_EQ(WritePack(program.File("view.qdr"), Misc,
                        {{"Plain", EncodeBmp24(Solid(qRgb(200, 10, 10), {150, 90}))},
                         {"Coordinates", EncodeBmp24(CoordinatePicture(150, 90))}}),
              QString());
    Scan();
    state.category = Misc;
    Open();
    ClickTitle(1);
    EXPECT_EQ(ReadBytes(program.File("prev.bmp")), EncodeBmp24(CoordinatePicture(150, 90)));

    const QGroupBox* frame = dialog->findChild<QGroupBox*>();
    const QPoint inside = frame->pos() + frame->contentsRect().topLeft();
    const auto shown = [&] { return dialog->screen()->grabWindow(dialog->winId()).toImage(); };
    const auto expectPicture = [&](const QImage& image, const char* when) {
        for (const QPoint p : {QPoint(0, 0), QPoint(149, 0), QPoint(0, 89), QPoint(149, 89)})
            EXPECT_EQ(image.pixel(inside + p), CoordinatePixel(p.x(), p.y())) << when;
        EXPECT_NE(image.pixel(inside - QPoint(1, 1)), CoordinatePixel(0, 0)) << when;
        EXPECT_TRUE(
            frame->geometry().adjusted(1, 1, -1, -1).contains(QRect(inside, QSize(150, 90))));
    };
    QApplication::processEvents();
    expectPicture(shown(), "when selected");

    // Covered by another window, uncovered, painted afresh.
    QWidget cover;
    cover.setGeometry(dialog->geometry());
    cover.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&cover));
    cover.hide();
    dialog->repaint();
    expectPicture(shown(), "after a repaint");

    ClickTitle(0);
    EXPECT_EQ(state.previewBitmap.pixel(0, 0), qRgb(200, 10, 10));
    Click(IDC_TOTALLY_RANDOM); // no list, no preview
    dialog->repaint();
    EXPECT_NE(shown().pixel(inside), qRgb(200, 10, 10));
}

TEST_F(OptionsDlgTest, EveryControlSitsOnItsTemplateRectangleAtAnyFont) {
    for (int k = 0; k < 30; ++k)
        AddPack("movie" + std::to_string(100 + k) + ".qdr", Movies, 1, "M");
    Scan();
    state.category = Movies;
    Open();
    for (const int pixels : {10, 19}) {
        QFont font = dialog->font();
        font.setPixelSize(pixels);
        dialog->setFont(font);
        const DialogBaseUnits base = BaseUnitsOf(dialog->font());
        const std::vector<QWidget*>& controls = dialog->Controls();
        ASSERT_EQ(controls.size(), kOptionsDialogControls.size());
        QRect used;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const DialogControlResource& r = kOptionsDialogControls[i];
            const QRect want = DialogRect(r.x, r.y, r.width, r.height, base);
            const QRect got = controls[i]->geometry();
            const QSize hint = controls[i]->sizeHint();
            const std::string what = std::to_string(i) + " at " + std::to_string(pixels) + " px";
            EXPECT_EQ(got.topLeft(), want.topLeft()) << what;
            if (r.kind == ControlKind::DropDownList) {
                // Closed, as tall as its text needs; dropped, the template.
                EXPECT_EQ(got.width(), want.width()) << what;
                EXPECT_GE(got.height(), controls[i]->fontMetrics().height()) << what;
                EXPECT_LT(got.height(), want.height()) << what;
            } else if (r.kind == ControlKind::RadioButton) {
                // Wider only as far as a caption the font runs wide needs.
                EXPECT_EQ(got.size(), QSize(std::max(want.width(), hint.width()), want.height()))
                    << what;
            } else if (qobject_cast<QLabel*>(controls[i])) {
                EXPECT_EQ(got.size(), want.size().expandedTo(hint)) << what;
            } else {
                EXPECT_EQ(got, want) << what;
            }
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(got.intersects(controls[j]->geometry())) << what << " overlaps " << j;
            used |= got;
        }
        // Grown only by what its controls grew past the template's margins.
        const QSize extent(used.right() + 1, used.bottom() + 1);
        EXPECT_EQ(dialog->size(),
                  DialogSize(277, 286, base).expandedTo(extent + DialogSize(7, 8, base)))
            << pixels;
        // The preview from the frame's inside corner: whole where it fits,
        // else as large as fits in its own proportions.
        const QGroupBox* frame = dialog->findChild<QGroupBox*>();
        const QRect inside = frame->contentsRect().translated(frame->pos());
        const QRect preview = dialog->PreviewRect();
        EXPECT_EQ(preview.topLeft(), inside.topLeft());
        EXPECT_TRUE(inside.contains(preview));
        if (pixels == 19) {
            EXPECT_EQ(preview.size(), COptionsDlg::kPreviewSize);
        } else {
            EXPECT_EQ(preview.bottom(), inside.bottom());
            EXPECT_NEAR(preview.width() * 3, preview.height() * 5, 5);
        }
    }

    // The dropped list of 31 items stays within the template's height.
    const QRect want = DialogRect(66, 130, 81, 97, BaseUnitsOf(dialog->font()));
    Combo(Movies)->showPopup();
    const QWidget* popup = Combo(Movies)->view()->window();
    ASSERT_TRUE(popup->isVisible());
    EXPECT_LE(popup->height(), want.height() - Combo(Movies)->height());
    EXPECT_GT(popup->height(), Combo(Movies)->height());
    Combo(Movies)->hidePopup();
}

TEST_F(OptionsDlgTest, TabWalksTheControlsInTemplateOrder) {
    for (int category = 0; category < kCategoryCount; ++category)
        AddPack("pack" + std::to_string(category) + ".qdr", category, 2, "P");
    Scan();
    Open();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    std::vector<QWidget*> expected;
    for (std::size_t i = 0; i < kOptionsDialogControls.size(); ++i)
        if (kOptionsDialogControls[i].id != IDC_STATIC)
            expected.push_back(dialog->Controls()[i]);
    expected.push_back(expected[0]); // and round again
    expected[0]->setFocus();
    std::vector<QWidget*> walked = {QApplication::focusWidget()};
    while (walked.size() < expected.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(walked, expected);
}

TEST_F(OptionsDlgTest, ScreenReadersReadEveryControlByItsCaption) {
    Open();
    const auto read = [](QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); };
    EXPECT_EQ(read(dialog.get())->text(QAccessible::Name), "Quadrillo Options");
    EXPECT_EQ(read(Item(IDC_CHOOSE_FROM))->text(QAccessible::Name), "Choose randomly from");
    EXPECT_EQ(read(Item(IDC_TRY_THIS))->role(), QAccessible::Button);
    EXPECT_EQ(read(List())->text(QAccessible::Name), "List");
    EXPECT_EQ(read(dialog->findChild<QGroupBox*>())->text(QAccessible::Name), "Preview");
    // A drop-down list reads its label through the label's relation.
    const auto labels = read(Item(IDC_TVSHOWS))->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name), "TV shows");
    // Radios the dialog checks itself are still radios, pressed as clicked.
    QAccessibleInterface* grid6 = read(Item(IDC_GRID6));
    EXPECT_EQ(grid6->role(), QAccessible::RadioButton);
    EXPECT_TRUE(grid6->state().checkable);
    grid6->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(grid6->state().checked);
    EXPECT_FALSE(read(Item(IDC_GRID5))->state().checked);

    for (std::size_t i = 0; i < kOptionsDialogControls.size(); ++i) {
        QString caption = QString::fromUtf8(kOptionsDialogControls[i].caption.data(),
                                            qsizetype(kOptionsDialogControls[i].caption.size()));
        if (caption.contains("%1"))
            caption = "Download additional Picture Paks at : \n\n " + PackDownloadAddress();
        if (!caption.isEmpty()) {
            EXPECT_EQ(read(dialog->Controls()[i])->text(QAccessible::Name), caption) << i;
        }
    }
}

TEST_F(ThreeMoviePacks, APreviewFileThatIsNoFileIsToldAndLeftAndTryThisStillPlays) {
    // A folder where prev.bmp goes can be neither written nor deleted.
    const auto prev = program.File("prev.bmp");
    std::filesystem::create_directory(prev);
    WriteBytes(prev / "keep", "x");
    state.category = Movies;
    Open();
    ClickTitle(1);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text.toStdString(),
              "Could not create \"" + prev.string() + "\": it is not a regular file.");
    EXPECT_TRUE(state.previewBitmap.isNull());

    // Try this plays the picture, then tells that prev.bmp could not go.
    Click(IDC_TRY_THIS);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(state.tryThisPending);
    EXPECT_EQ(state.puzzleBitmap.pixel(300, 200), Colour(2));
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[1].text.toStdString(),
              "Could not delete \"" + prev.string() + "\": it is not a regular file.");
    EXPECT_EQ(ReadBytes(prev / "keep"), "x");
}

TEST_F(OptionsDlgTest, APackInThePlayersFolderIsListedPreviewedAndTried) {
    QTemporaryDir data;
    const std::filesystem::path user = std::filesystem::path(data.path().toStdString()) / "packs";
    std::filesystem::create_directories(user);
    program = ProgramDirectory(program.Path(), {}, {user}, user);
    AddPack("b.qdr", Misc, 2, "B");
    AddPackAt(user / "a.qdr", Misc, 4, "A");
    AddPackAt(user / "b.qdr", Misc, 3, "Hidden"); // the program's b.qdr comes first
    Scan();
    state.category = Misc;
    Open();
    QStringList items;
    for (int item = 0; item < Combo(Misc)->count(); ++item)
        items.append(Combo(Misc)->itemText(item));
    EXPECT_EQ(items, (QStringList{"All misc", "a.qdr", "b.qdr"}));
    EXPECT_EQ(Titles(), (QStringList{"A1", "A2", "A3", "A4", "B1", "B2"}));

    ChooseInCombo(Misc, 1);
    EXPECT_EQ(Titles(), (QStringList{"A1", "A2", "A3", "A4"}));
    ClickTitle(3);
    EXPECT_EQ(state.previewBitmap.pixel(75, 45), Colour(4));
    EXPECT_EQ(ReadBytes(program.File("prev.bmp")), EncodeBmp24(Solid(Colour(4))));
    Click(IDC_TRY_THIS);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(ReadBytes(program.File("temp.bmp")), EncodeBmp24(Solid(Colour(4))));
    EXPECT_EQ(state.puzzleBitmap.pixel(300, 200), Colour(4));
    ExpectStored(5, Misc, 1, 0);
    EXPECT_TRUE(messages.boxes.empty());
    // Nothing of the game's is written into the player's folder.
    EXPECT_FALSE(std::filesystem::exists(user / "prev.bmp"));
    EXPECT_FALSE(std::filesystem::exists(user / "temp.bmp"));
}
