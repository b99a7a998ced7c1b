// The conversions calculator: a category chosen with a radio button, and a column of unit rows
// of which the one that last took the focus drives the others. Typing into it converts at once;
// the values the calculator writes into the other rows raise their own change notifications,
// which convert nothing because those rows are not driving.
#include "perf/conversions_dialog.hpp"

#include "calc/numbers.hpp"
#include "shell/dialogs.hpp"
#include "shell/help.hpp"

namespace orvane {

namespace {

// The row (1 to 6) of a field, or 0 when the control is not a row field.
int rowOfField(int id) {
    for (std::size_t i = 0; i < conversionRowControls.size(); ++i) {
        if (conversionRowControls[i].fieldId == id) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

// The source a row belongs to: its own row, the kilogram row for the specific gravity.
int sourceOfRow(int row) {
    return row == kVolumeToWeightGravityRow ? kVolumeToWeightKilogramRow : row;
}

int fieldId(int row) {
    return conversionRowControls[static_cast<std::size_t>(row) - 1].fieldId;
}

// Shows rows 1 to count with their labels and hides the others; hidden rows keep their text.
void showRows(Window& window, int count) {
    for (int row = 1; row <= kConversionRows; ++row) {
        const ConversionRowControls& controls =
            conversionRowControls[static_cast<std::size_t>(row) - 1];
        window.show(controls.fieldId, row <= count);
        window.show(controls.labelId, row <= count);
    }
}

void showTwoRows(Window& window) {
    showRows(window, 2);
}

void showThreeRows(Window& window) {
    showRows(window, 3);
}

const ConversionCategoryInfo* categoryOfRadio(int id) {
    for (const ConversionCategoryInfo& info : conversionCategories) {
        if (info.radioId == id) {
            return &info;
        }
    }
    return nullptr;
}

class ConversionsDialog : public WindowProc {
  public:
    explicit ConversionsDialog(DialogContext& context)
        : drivingField_(context.state.conversionsDrivingField), platform_(context.platform) {}

    void onOpen(Window& window) override {
        // The template shows Volume's labels and rows; every opening starts in Volume.
        category_ = ConversionCategory::Volume;
        window.setChecked(conversionCategoryInfo(category_)->radioId, true);
        // Row 1's focus notification makes it driving: rows 2 and 3 show the conversion of 0.
        window.setFocus(fieldId(1));
    }

    void onCommand(Window& window, int id, int code) override {
        if (id == kCommandOk) {
            window.end(1);
            return;
        }
        if (const ConversionCategoryInfo* info = categoryOfRadio(id)) {
            if (code == notify::kClicked) {
                chooseCategory(window, *info);
            }
            return;
        }
        const int row = rowOfField(id);
        if (row == 0) {
            return;
        }
        if (code == notify::kEditSetFocus) {
            drivingField_ = sourceOfRow(row);
        }
        if (sourceOfRow(row) == drivingField_) {
            convertFrom(window, drivingField_);
        }
    }

    bool onHelp(Window&) override {
        launchHelp(platform_, kConversionsHelp);
        return true;
    }

  private:
    void chooseCategory(Window& window, const ConversionCategoryInfo& info) {
        category_ = info.category;
        switch (info.rowCount) {
            case 2:
                showTwoRows(window);
                break;
            case 3:
                showThreeRows(window);
                break;
            default:
                showRows(window, kConversionRows);  // Volume to Weight: rows 3 to 6 as well
                break;
        }
        for (int row = 1; row <= info.rowCount; ++row) {
            const std::size_t i = static_cast<std::size_t>(row) - 1;
            window.setText(conversionRowControls[i].labelId, info.rowLabels[i]);
        }
        if (info.category == ConversionCategory::VolumeToWeight) {
            window.setText(fieldId(kVolumeToWeightGravityRow), kDefaultSpecificGravityText);
        }
        // Row 1 becomes driving before it is emptied, so that the other rows show the
        // conversion of 0 even on a host where the focus already sits in row 1 and no focus
        // notification follows.
        drivingField_ = 1;
        window.setText(fieldId(1), "");
        window.setFocus(fieldId(1));
    }

    // Converts the source's value into the category's other rows. Nothing happens for a source
    // row the category does not have.
    void convertFrom(Window& window, int source) {
        const double x = window.getReal(fieldId(source), kFieldChars);
        const double sg = window.getReal(fieldId(kVolumeToWeightGravityRow), kFieldChars);
        const std::optional<ConversionResult> result = convert(category_, source, x, sg);
        if (!result) {
            return;
        }
        for (const RowValue& value : result->written()) {
            window.setText(fieldId(value.row), formatConversion(value.value));
        }
    }

    // The driving source, kept for the whole run: a row 1 to 4, or the kilogram row 5 for rows
    // 5 and 6 together (kilograms and specific gravity are one source); 0 before the first.
    int& drivingField_;
    Platform& platform_;
    ConversionCategory category_ = ConversionCategory::Volume;
};

}  // namespace

std::unique_ptr<WindowProc> makeConversionsDialog(DialogContext& context) {
    return std::make_unique<ConversionsDialog>(context);
}

}  // namespace orvane
