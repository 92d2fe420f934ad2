#pragma once

#include "settings/window_layout.h"

#include <QToolBar>
#include <array>

class QMainWindow;
class QMenu;
class QToolButton;

namespace zelt {

class CommandActions;
class CategoryComboBox;
class ScreenScale;

// A tool-bar band whose stored width is its preferred width; Qt offers no way to
// set a band's width directly, so the width is advisory.
class ToolBarBand final : public QToolBar {
    Q_OBJECT

public:
    ToolBarBand(const QString& name, QWidget* parent);

    void setPreferredWidth(int width);
    QSize sizeHint() const override;
    // A band given a minimum width may be laid out that narrow also when it
    // does not stand last in its row; what does not fit goes behind the
    // band's extension arrow.
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int m_preferredWidth = 0;
};

// The two bands of the tool-bar area: the category band (CategorySpeedButton and
// CategoryComboBox) and the command tool bar. Order, row breaks and widths are
// restored from and written to the settings store.
class ToolBarBands final {
public:
    static constexpr int CategoryBandMinWidth = 86;
    static constexpr int CategoryBandMinHeight = 27;
    static constexpr int CategoryBandDesignWidth = 339;
    static constexpr int ToolBarMinHeight = 26;
    static constexpr int ToolBarDesignWidth = 333;

    ToolBarBands(QMainWindow& window, const CommandActions& actions, QMenu* listMenu);

    ToolBarBand* categoryBand() const { return m_bands[CategoryBandId]; }
    ToolBarBand* toolBar() const { return m_bands[ToolBarBandId]; }
    QToolButton* categoryButton() const { return m_categoryButton; }
    CategoryComboBox* categoryBox() const { return m_categoryBox; }
    QToolButton* openListButton() const { return m_openListButton; }

    void scale(const ScreenScale& scale);
    int categoryBandMinWidth() const { return m_categoryBand.minWidth; }

    void restore(const StoredLayout& stored);
    // Order, breaks, widths and tool-bar visibility as they are now.
    void writeTo(WindowLayout& layout) const;
    // The band takes its row's width; a band beside it keeps only its minimum.
    void maximise(ToolBarBand& band);

private:
    struct Arrangement {
        int firstBand = CategoryBandId;
        bool secondBreak = false;
    };
    struct BandLimits {
        int minWidth = CategoryBandMinWidth;
        int minHeight = CategoryBandMinHeight;
    };

    void buildCategoryBand();
    void buildToolBar(const CommandActions& actions, QMenu* listMenu);
    void arrange(const Arrangement& arrangement);
    Arrangement currentArrangement() const;

    QMainWindow& m_window;
    std::array<ToolBarBand*, 2> m_bands{};
    QToolButton* m_categoryButton = nullptr;
    CategoryComboBox* m_categoryBox = nullptr;
    QToolButton* m_openListButton = nullptr;
    BandLimits m_categoryBand;
    Arrangement m_arrangement;
    bool m_firstBreak = true;
    bool m_toolBarVisible = true;
};

} // namespace zelt
