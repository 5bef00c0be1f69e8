#pragma once

#include "platform/CommandTable.h"
#include "platform/ProgramDirectory.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <vector>

class MessageBoxService;
class ProfileStore;
class QAbstractButton;
class QComboBox;
class QGroupBox;
class QListWidget;
struct PackCatalogue;
struct PuzzleState;

// The grid size and where pictures come from: totally random, or one pack
// or every pack of a category. Previews the pictures of the listed packs and
// plays one at once (Try this). Modal.
//
// It edits the four settings of `state` in place while it is open. OK (also
// Enter, and Try this) writes them to `profile`; Cancel (also Esc and the
// close box) puts back the values they had when the dialog was made. After
// Try this, `state.tryThisPending` asks the caller to play "temp.bmp".
// Working files are read and written in `directory`; pack names are those of
// `catalogue`, which must outlive the dialog, as must the services.
class COptionsDlg : public QDialog {
    Q_OBJECT

  public:
    COptionsDlg(const PackCatalogue& catalogue, PuzzleState& state, MessageBoxService& messages,
                ProfileStore& profile, ProgramDirectory directory, QWidget* parent);
    ~COptionsDlg() override;

    static constexpr QSize kPreviewSize{150, 90};

    // The control of a template id; nothing for an id the template lacks.
    QWidget* GetDlgItem(int id) const;
    // Every control in template order, the texts without ids among them.
    const std::vector<QWidget*>& Controls() const { return controls_; }
    // Where the preview is drawn: from the frame's inside top-left corner,
    // shrunk to fit when the font makes the frame too small for it.
    QRect PreviewRect() const;

    void setVisible(bool visible) override;
    void accept() override;
    void reject() override;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void BuildControls();
    void LayOut();
    QAbstractButton* Radio(int index) const;
    QComboBox* Combo(int category) const;
    // Runs a handler as the message map would: a file error ends it and is
    // reported once, in a box over the dialog.
    void Dispatch(const CommandTable<COptionsDlg>& table, int id);

    void AttachSettings(std::int32_t* dimension, std::int32_t* category, std::int32_t* randomMode,
                        std::int32_t* title);
    bool OnInitDialog();
    void OnGrid4();
    void OnGrid5();
    void OnGrid6();
    void OnGrid7();
    void OnGrid8();
    void OnGrid9();
    void OnGrid10();
    void OnGrid(int index);
    void OnTotallyRandom();
    void OnChooseFrom();
    void OnSelChangeCartoons();
    void OnSelChangeMisc();
    void OnSelChangeMovies();
    void OnSelChangeMusic();
    void OnSelChangeTvShows();
    void OnSelChangeCategory(int category);
    void EnableCategoryCombos();
    void UpdateRadioChecks();
    void OnOK();
    void OnCancel();

    void OnSelChangeTitleList();
    void OnTryThis();
    // The list's selected item, -1 when none is.
    int SelectedTitle() const;
    void FillTitleList(int category, int title);
    void ShowPreview(QImage preview);

    const PackCatalogue& catalogue_;
    PuzzleState& state_;
    MessageBoxService& messages_;
    ProfileStore& profile_;
    ProgramDirectory directory_;

    std::int32_t* dimension_ = nullptr;
    std::int32_t* category_ = nullptr;
    std::int32_t* randomMode_ = nullptr;
    std::int32_t* title_ = nullptr;
    std::int32_t savedDimension_ = 0;
    std::int32_t savedCategory_ = 0;
    std::int32_t savedRandomMode_ = 0;
    std::int32_t savedTitle_ = 0;
    std::array<std::int32_t, 9> radioChecked_{}; // grid 4..10, totally random, choose from
    std::array<std::int32_t, 5> hasPacks_{};     // per category

    // False when the list does not hold exactly the catalogue's pictures of
    // the packs it shows: its items then name no picture for certain.
    bool listMatches_ = true;
    bool initialised_ = false;

    std::vector<QWidget*> controls_;
    QListWidget* titleList_ = nullptr;
    QGroupBox* previewFrame_ = nullptr;
    QWidget* preview_ = nullptr;
    CommandTable<COptionsDlg> clicks_;
    CommandTable<COptionsDlg> selectionChanges_;
};
