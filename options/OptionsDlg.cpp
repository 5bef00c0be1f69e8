#include "options/OptionsDlg.h"

#include "options/PackPictures.h"
#include "options/PictureSelection.h"
#include "packs/PackReports.h"
#include "packs/TakePicture.h"
#include "platform/DialogUnits.h"
#include "platform/FileLayer.h"
#include "platform/MessageBoxService.h"
#include "puzzle/PuzzleState.h"
#include "puzzle/Settings.h"
#include "resources/OptionsDialog.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>
#include <climits>
#include <numeric>

// The dialog checks its radios itself, and Qt would have a screen reader
// announce a radio that is not auto-exclusive as a check box.
class OptionsRadioButton : public QRadioButton {
    Q_OBJECT

  public:
    using QRadioButton::QRadioButton;
};

namespace {

class AccessibleRadio : public QAccessibleWidget {
  public:
    explicit AccessibleRadio(QWidget* radio) : QAccessibleWidget(radio, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Radio()->isChecked();
        return state;
    }
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << pressAction();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            Radio()->click();
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    QAbstractButton* Radio() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* AccessibleRadioFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(OptionsRadioButton::staticMetaObject.className()) &&
        object->isWidgetType())
        return new AccessibleRadio(static_cast<QWidget*>(object));
    return nullptr;
}

constexpr int kGridRadios = 7; // 4 x 4 to 10 x 10
constexpr int kTotallyRandomIndex = 7;
constexpr int kChooseFromIndex = 8;

// The order the drop-down lists are filled in.
constexpr std::array<int, kCategoryCount> kFillOrder = {Movies, Cartoons, TvShows, Music, Misc};

// A drop-down list whose open list keeps within the template's rectangle,
// however tall its items are in the current font.
class DropDownList : public QComboBox {
  public:
    using QComboBox::QComboBox;
    void SetDroppedHeight(int height) { droppedHeight_ = height; }

    void showPopup() override {
        QComboBox::showPopup();
        QWidget* popup = view()->window();
        const int room = std::max(droppedHeight_ - height(), view()->sizeHintForRow(0));
        const QRect shown = popup->geometry();
        if (popup == this || shown.height() <= room)
            return;
        // Opened above the list when the screen has no room below: it keeps
        // touching the list.
        const bool above = shown.top() < mapToGlobal(QPoint(0, 0)).y();
        popup->setGeometry(shown.x(), above ? shown.bottom() + 1 - room : shown.y(), shown.width(),
                           room);
    }

  private:
    int droppedHeight_ = 0;
};

// The preview, drawn afresh whenever the dialog is painted.
class PreviewPicture : public QWidget {
  public:
    PreviewPicture(const PuzzleState& state, QWidget* parent) : QWidget(parent), state_(state) {
        setFocusPolicy(Qt::NoFocus);
    }

    // A picture covers all of it, so nothing beneath need be painted first.
    void Refresh() {
        setAttribute(Qt::WA_OpaquePaintEvent, !state_.previewBitmap.isNull());
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (state_.previewBitmap.isNull())
            return;
        QPainter painter(this);
        if (size() == state_.previewBitmap.size()) {
            painter.drawImage(0, 0, state_.previewBitmap);
            return;
        }
        // A font too small for the whole preview shrinks it rather than cut it.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), state_.previewBitmap);
    }

  private:
    const PuzzleState& state_;
};

// The room a caption takes beyond its template rectangle: fonts differ in
// how wide their words run for the same average letter, and texts in how far
// apart their lines are. A caption is never cut.
QSize CaptionRoom(ControlKind kind, QSize rect, QSize hint) {
    switch (kind) {
    case ControlKind::RadioButton:
        return {std::max(rect.width(), hint.width()), rect.height()};
    case ControlKind::Label:
    case ControlKind::EdgedLabel:
    case ControlKind::SunkenCentredText:
        return rect.expandedTo(hint);
    default:
        return rect;
    }
}

// Pixels from the top of control `i` to the nearest control below it that
// shares some of its columns.
int RoomBelow(std::size_t i, DialogBaseUnits base) {
    const DialogControlResource& r = kOptionsDialogControls[i];
    int room = INT_MAX;
    for (const DialogControlResource& other : kOptionsDialogControls)
        if (other.y > r.y && other.x < r.x + r.width && r.x < other.x + other.width)
            room = std::min(room,
                            DialogUnitsToPixelsY(other.y, base) - DialogUnitsToPixelsY(r.y, base));
    return room;
}

QWidget* MakeControl(const DialogControlResource& resource, QWidget* parent) {
    QString caption =
        QString::fromUtf8(resource.caption.data(), qsizetype(resource.caption.size()));
    if (caption.contains(QStringLiteral("%1")))
        caption = caption.arg(PackDownloadAddress());
    QWidget* control = nullptr;
    switch (resource.kind) {
    case ControlKind::DefaultPushButton:
    case ControlKind::PushButton: {
        auto* button = new QPushButton(caption, parent);
        button->setDefault(resource.kind == ControlKind::DefaultPushButton);
        control = button;
        break;
    }
    case ControlKind::RadioButton: {
        auto* radio = new OptionsRadioButton(caption, parent);
        // The dialog checks them itself, all nine at once.
        radio->setAutoExclusive(false);
        control = radio;
        break;
    }
    case ControlKind::DropDownList:
        control = new DropDownList(parent);
        break;
    case ControlKind::ListBox: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setUniformItemSizes(true);
        control = list;
        break;
    }
    case ControlKind::Label:
    case ControlKind::EdgedLabel:
    case ControlKind::SunkenCentredText: {
        auto* label = new QLabel(caption, parent);
        label->setTextFormat(Qt::PlainText);
        // The text starts at its frame, as the template has it.
        label->setIndent(0);
        if (resource.kind == ControlKind::EdgedLabel)
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (resource.kind == ControlKind::SunkenCentredText) {
            label->setFrameStyle(QFrame::Box | QFrame::Sunken);
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        }
        control = label;
        break;
    }
    case ControlKind::GroupBox:
        control = new QGroupBox(parent);
        break;
    }
    if (!caption.isEmpty())
        control->setAccessibleName(caption);
    else if (!resource.spokenName.empty())
        control->setAccessibleName(
            QString::fromUtf8(resource.spokenName.data(), qsizetype(resource.spokenName.size())));
    return control;
}

} // namespace

COptionsDlg::COptionsDlg(const PackCatalogue& catalogue, PuzzleState& state,
                         MessageBoxService& messages, ProfileStore& profile,
                         ProgramDirectory directory, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      catalogue_(catalogue), state_(state), messages_(messages), profile_(profile),
      directory_(std::move(directory)) {
    setWindowTitle(
        QString::fromUtf8(kOptionsDialogCaption.data(), qsizetype(kOptionsDialogCaption.size())));
    setAccessibleName(windowTitle());
    setModal(true);
    setSizeGripEnabled(false);
    static const bool radiosRead = (QAccessible::installFactory(AccessibleRadioFactory), true);
    Q_UNUSED(radiosRead);
    BuildControls();
    LayOut();

    clicks_.Add(IDOK, &COptionsDlg::OnOK);
    clicks_.Add(IDCANCEL, &COptionsDlg::OnCancel);
    clicks_.Add(IDC_GRID4, &COptionsDlg::OnGrid4);
    clicks_.Add(IDC_GRID5, &COptionsDlg::OnGrid5);
    clicks_.Add(IDC_GRID6, &COptionsDlg::OnGrid6);
    clicks_.Add(IDC_GRID7, &COptionsDlg::OnGrid7);
    clicks_.Add(IDC_GRID8, &COptionsDlg::OnGrid8);
    clicks_.Add(IDC_GRID9, &COptionsDlg::OnGrid9);
    clicks_.Add(IDC_GRID10, &COptionsDlg::OnGrid10);
    clicks_.Add(IDC_TOTALLY_RANDOM, &COptionsDlg::OnTotallyRandom);
    clicks_.Add(IDC_CHOOSE_FROM, &COptionsDlg::OnChooseFrom);
    clicks_.Add(IDC_TRY_THIS, &COptionsDlg::OnTryThis);
    selectionChanges_.Add(IDC_CARTOONS, &COptionsDlg::OnSelChangeCartoons);
    selectionChanges_.Add(IDC_MISC, &COptionsDlg::OnSelChangeMisc);
    selectionChanges_.Add(IDC_MOVIES, &COptionsDlg::OnSelChangeMovies);
    selectionChanges_.Add(IDC_MUSIC, &COptionsDlg::OnSelChangeMusic);
    selectionChanges_.Add(IDC_TVSHOWS, &COptionsDlg::OnSelChangeTvShows);
    selectionChanges_.Add(IDC_TITLE_LIST, &COptionsDlg::OnSelChangeTitleList);

    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const int id = kOptionsDialogControls[i].id;
        QWidget* control = controls_[i];
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            connect(button, &QAbstractButton::clicked, this, [this, id] { Dispatch(clicks_, id); });
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            // Only the player's choices, as the list's own notification was.
            connect(combo, &QComboBox::activated, this,
                    [this, id] { Dispatch(selectionChanges_, id); });
        else if (auto* list = qobject_cast<QListWidget*>(control))
            connect(list, &QListWidget::itemSelectionChanged, this,
                    [this, id] { Dispatch(selectionChanges_, id); });
    }

    AttachSettings(&state_.dimension, &state_.category, &state_.randomMode, &state_.title);
}

COptionsDlg::~COptionsDlg() = default;

void COptionsDlg::BuildControls() {
    // Made in template order, which is also the order Tab walks them in.
    for (const DialogControlResource& resource : kOptionsDialogControls)
        controls_.push_back(MakeControl(resource, this));
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (const int named = kOptionsDialogControls[i].names) {
            auto* label = static_cast<QLabel*>(controls_[i]);
            GetDlgItem(named)->setAccessibleName(label->text());
            label->setBuddy(GetDlgItem(named));
        }
    titleList_ = static_cast<QListWidget*>(GetDlgItem(IDC_TITLE_LIST));
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (kOptionsDialogControls[i].kind == ControlKind::GroupBox)
            previewFrame_ = static_cast<QGroupBox*>(controls_[i]);
    preview_ = new PreviewPicture(state_, this);
    preview_->raise();
}

void COptionsDlg::LayOut() {
    const DialogBaseUnits base = BaseUnitsOf(font());
    // Where the template leaves room on the right and below.
    int right = 0, bottom = 0;
    QRect used;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const DialogControlResource& r = kOptionsDialogControls[i];
        right = std::max(right, r.x + r.width);
        bottom = std::max(bottom, r.y + r.height);
        const QRect rect = DialogRect(r.x, r.y, r.width, r.height, base);
        QWidget* control = controls_[i];
        if (auto* list = dynamic_cast<DropDownList*>(control)) {
            // The template's height is the list dropped down; closed, the
            // control is as tall as its font needs, short of what lies below.
            const int closed = std::min(list->sizeHint().height(), RoomBelow(i, base));
            list->setGeometry(rect.x(), rect.y(), rect.width(), std::min(closed, rect.height()));
            list->SetDroppedHeight(rect.height());
        } else {
            control->setGeometry(
                QRect(rect.topLeft(), CaptionRoom(r.kind, rect.size(), control->sizeHint())));
        }
        used |= control->geometry();
    }
    setFixedSize(DialogSize(kOptionsDialogWidth, kOptionsDialogHeight, base)
                     .expandedTo(QSize(used.right() + 1, used.bottom() + 1) +
                                 DialogSize(kOptionsDialogWidth - right,
                                            kOptionsDialogHeight - bottom, base)));
    preview_->setGeometry(PreviewRect());
}

void COptionsDlg::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        LayOut();
}

QRect COptionsDlg::PreviewRect() const {
    const QRect inside = previewFrame_->contentsRect().translated(previewFrame_->pos());
    return QRect(inside.topLeft(),
                 kPreviewSize.scaled(inside.size().boundedTo(kPreviewSize), Qt::KeepAspectRatio));
}

QWidget* COptionsDlg::GetDlgItem(int id) const {
    if (id == IDC_STATIC)
        return nullptr;
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (kOptionsDialogControls[i].id == id)
            return controls_[i];
    return nullptr;
}

QAbstractButton* COptionsDlg::Radio(int index) const {
    return static_cast<QAbstractButton*>(GetDlgItem(IDC_GRID4 + index));
}

QComboBox* COptionsDlg::Combo(int category) const {
    return IsCategory(category) ? static_cast<QComboBox*>(GetDlgItem(IDC_CARTOONS + category))
                                : nullptr;
}

void COptionsDlg::Dispatch(const CommandTable<COptionsDlg>& table, int id) {
    const MessageBoxOwner owner(messages_, this);
    table.Dispatch(*this, id, messages_);
}

void COptionsDlg::setVisible(bool visible) {
    // Set up once, before the dialog first shows, as a dialog's
    // initialisation always ran.
    if (visible && !initialised_) {
        initialised_ = true;
        const MessageBoxOwner owner(messages_, this);
        RunCommand([this] { OnInitDialog(); }, messages_);
    }
    QDialog::setVisible(visible);
}

void COptionsDlg::accept() {
    OnOK();
}

void COptionsDlg::reject() {
    OnCancel();
}

void COptionsDlg::AttachSettings(std::int32_t* dimension, std::int32_t* category,
                                 std::int32_t* randomMode, std::int32_t* title) {
    dimension_ = dimension;
    category_ = category;
    randomMode_ = randomMode;
    title_ = title;
    savedDimension_ = *dimension;
    savedCategory_ = *category;
    savedRandomMode_ = *randomMode;
    savedTitle_ = *title;
}

bool COptionsDlg::OnInitDialog() {
    radioChecked_.fill(0);
    hasPacks_.fill(0);
    // A grid size no radio stands for checks none; OK then keeps it.
    if (*dimension_ >= kMinDimension && *dimension_ <= kMaxDimension)
        radioChecked_[std::size_t(*dimension_ - kMinDimension)] = 1;

    for (const int category : kFillOrder) {
        QComboBox* combo = Combo(category);
        QStringList items;
        items.reserve(qsizetype(catalogue_.packs[category].size()) + 1);
        const std::string_view all = kCategories[std::size_t(category)].allItem;
        items.append(QString::fromUtf8(all.data(), qsizetype(all.size())));
        for (const PackEntry& pack : catalogue_.packs[category])
            items.append(PackName(pack.path));
        combo->addItems(items);
        combo->setCurrentIndex(-1);
    }
    // An old preview belongs to no item of this list.
    ShowPreview(QImage());

    if (*randomMode_ == 1) {
        radioChecked_[kTotallyRandomIndex] = 1;
    } else {
        // Any other value is choose mode, and becomes 0 there. Its category's
        // handler lists the titles; listing them a second time would end
        // the same.
        radioChecked_[kChooseFromIndex] = 1;
        OnChooseFrom();
    }
    if (*randomMode_ == 1)
        for (int category = 0; category < kCategoryCount; ++category)
            Combo(category)->setEnabled(false);
    UpdateRadioChecks();
    return true;
}

void COptionsDlg::OnGrid4() {
    OnGrid(0);
}
void COptionsDlg::OnGrid5() {
    OnGrid(1);
}
void COptionsDlg::OnGrid6() {
    OnGrid(2);
}
void COptionsDlg::OnGrid7() {
    OnGrid(3);
}
void COptionsDlg::OnGrid8() {
    OnGrid(4);
}
void COptionsDlg::OnGrid9() {
    OnGrid(5);
}
void COptionsDlg::OnGrid10() {
    OnGrid(6);
}

void COptionsDlg::OnGrid(int index) {
    for (int i = 0; i < kGridRadios; ++i)
        radioChecked_[std::size_t(i)] = i == index ? 1 : 0;
    UpdateRadioChecks();
}

void COptionsDlg::OnTotallyRandom() {
    {
        const QSignalBlocker quiet(titleList_);
        titleList_->clear();
    }
    ShowPreview(QImage());
    radioChecked_[kTotallyRandomIndex] = 1;
    radioChecked_[kChooseFromIndex] = 0;
    for (int category = 0; category < kCategoryCount; ++category)
        Combo(category)->setEnabled(false);
    *randomMode_ = 1;
    *title_ = 0;
    UpdateRadioChecks();
}

void COptionsDlg::OnChooseFrom() {
    radioChecked_[kTotallyRandomIndex] = 0;
    radioChecked_[kChooseFromIndex] = 1;
    if (QComboBox* combo = Combo(*category_))
        combo->setCurrentIndex(ComboItemOfTitle(catalogue_, *category_, *title_));

    const auto withPacks = std::count_if(catalogue_.packCount.begin(), catalogue_.packCount.end(),
                                         [](std::int32_t count) { return count > 0; });
    if (withPacks == 0)
        ShowNoPacksFound(directory_.UserPackFolder(), messages_);
    for (int category = 0; category < kCategoryCount; ++category)
        if (catalogue_.packCount[category] > 0)
            hasPacks_[std::size_t(category)] = 1;
    *randomMode_ = 0;

    switch (*category_) {
    case Cartoons:
        OnSelChangeCartoons();
        break;
    case Misc:
        OnSelChangeMisc();
        break;
    case Movies:
        OnSelChangeMovies();
        break;
    case Music:
        OnSelChangeMusic();
        break;
    case TvShows:
        OnSelChangeTvShows();
        break;
    default:
        break;
    }
    EnableCategoryCombos();
    UpdateRadioChecks();
}

void COptionsDlg::OnSelChangeCartoons() {
    OnSelChangeCategory(Cartoons);
}
void COptionsDlg::OnSelChangeMisc() {
    OnSelChangeCategory(Misc);
}
void COptionsDlg::OnSelChangeMovies() {
    OnSelChangeCategory(Movies);
}
void COptionsDlg::OnSelChangeMusic() {
    OnSelChangeCategory(Music);
}
void COptionsDlg::OnSelChangeTvShows() {
    OnSelChangeCategory(TvShows);
}

void COptionsDlg::OnSelChangeCategory(int category) {
    const int selected = Combo(category)->currentIndex();
    if (selected < 0)
        return;
    FillTitleList(category, selected);
    *title_ = selected;
    *category_ = category;
}

void COptionsDlg::FillTitleList(int category, int title) {
    QStringList titles;
    listMatches_ = ListTitles(PacksShown(catalogue_, category, title), messages_, titles);
    // In one go and unseen: item by item, a list of thousands takes seconds.
    const QSignalBlocker quiet(titleList_);
    titleList_->setUpdatesEnabled(false);
    titleList_->clear();
    titleList_->addItems(titles);
    titleList_->setUpdatesEnabled(true);
    ShowPreview(QImage());
}

void COptionsDlg::EnableCategoryCombos() {
    for (int category = 0; category < kCategoryCount; ++category)
        Combo(category)->setEnabled(hasPacks_[std::size_t(category)] != 0);
}

void COptionsDlg::UpdateRadioChecks() {
    for (int i = 0; i < int(radioChecked_.size()); ++i)
        Radio(i)->setChecked(radioChecked_[std::size_t(i)] != 0);
}

void COptionsDlg::OnOK() {
    // The radios themselves, not the flags: the last one checked wins.
    for (int i = 0; i < kGridRadios; ++i)
        if (Radio(i)->isChecked())
            *dimension_ = kMinDimension + i;
    SaveSettings(state_, profile_);
    ReportSettingsFault(profile_, messages_);
    QDialog::accept();
}

void COptionsDlg::OnCancel() {
    *dimension_ = savedDimension_;
    *category_ = savedCategory_;
    *randomMode_ = savedRandomMode_;
    *title_ = savedTitle_;
    QDialog::reject();
}

int COptionsDlg::SelectedTitle() const {
    const QList<QListWidgetItem*> selected = titleList_->selectedItems();
    return selected.isEmpty() ? -1 : titleList_->row(selected.first());
}

void COptionsDlg::ShowPreview(QImage preview) {
    state_.previewBitmap = std::move(preview);
    static_cast<PreviewPicture*>(preview_)->Refresh();
}

void COptionsDlg::OnSelChangeTitleList() {
    const int selected = SelectedTitle();
    if (selected < 0 || !listMatches_) {
        ShowPreview(QImage());
        return;
    }
    const std::optional<SelectedPicture> picture =
        ResolveSelectedPicture(catalogue_, *category_, *title_, selected);
    if (!picture) {
        ShowPreview(QImage());
        return;
    }
    std::optional<QImage> preview = TakePicture(picture->pack, picture->index + 1, directory_,
                                                directory_.WorkingFile("prev.bmp"), kPreviewSize,
                                                WhileWriting::OutputGone, messages_);
    ShowPreview(preview ? std::move(*preview) : QImage());
}

void COptionsDlg::OnTryThis() {
    const std::int32_t packs =
        std::accumulate(catalogue_.packCount.begin(), catalogue_.packCount.end(), 0);
    if (*randomMode_ == 1 || packs == 0)
        return;
    if (titleList_->count() == 0 || !listMatches_)
        return;
    const std::optional<SelectedPicture> picture =
        ResolveSelectedPicture(catalogue_, *category_, *title_, SelectedTitle());
    if (!picture)
        return;
    std::optional<QImage> puzzle = TakePicture(
        picture->pack, picture->index + 1, directory_, directory_.WorkingFile("temp.bmp"),
        {kPictureWidth, kPictureHeight}, WhileWriting::OutputKept, messages_);
    if (!puzzle)
        return;
    state_.puzzleBitmap = std::move(*puzzle);
    state_.solutionPicturePath = QStringLiteral("temp.bmp");
    // The picture is in place by now: a preview that will not go is told,
    // not a reason to withhold it.
    RunCommand([&] { RemoveWorkingFile(directory_.WorkingFile("prev.bmp")); }, messages_);
    state_.tryThisPending = true;
    state_.gridLinesPending = true;
    OnOK();
}

#include "OptionsDlg.moc"
