#include "ui/tool_bar_bands.h"

#include "app/menu_items.h"
#include "browse/category_box.h"
#include "ui/category_combo_box.h"
#include "ui/command_actions.h"
#include "ui/glyphs.h"
#include "ui/qt_text.h"
#include "ui/screen_scale.h"

#include <QMainWindow>
#include <QMouseEvent>
#include <QToolButton>

namespace zelt {

ToolBarBand::ToolBarBand(const QString& name, QWidget* parent)
    : QToolBar(parent)
{
    setObjectName(name);
    setWindowTitle(name);
    setAccessibleName(name);
    setFloatable(false);
    setAllowedAreas(Qt::TopToolBarArea);
    setIconSize(QSize(16, 16));
}

void ToolBarBand::setPreferredWidth(int width)
{
    m_preferredWidth = width;
    updateGeometry();
}

QSize ToolBarBand::sizeHint() const
{
    QSize size = QToolBar::sizeHint();
    if (m_preferredWidth > 0)
        size.setWidth(std::max(m_preferredWidth, minimumWidth()));
    return size;
}

QSize ToolBarBand::minimumSizeHint() const
{
    QSize size = QToolBar::minimumSizeHint();
    if (minimumWidth() > 0)
        size.setWidth(minimumWidth());
    return size;
}

void ToolBarBand::mouseDoubleClickEvent(QMouseEvent* event)
{
    QToolBar::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
}

ToolBarBands::ToolBarBands(QMainWindow& window, const CommandActions& actions, QMenu* listMenu)
    : m_window(window)
{
    m_bands[CategoryBandId] = new ToolBarBand(QStringLiteral("ToolBarCategories"), &window);
    m_bands[ToolBarBandId] = new ToolBarBand(QStringLiteral("ToolBar"), &window);
    buildCategoryBand();
    buildToolBar(actions, listMenu);
    arrange(m_arrangement);
    for (ToolBarBand* band : m_bands)
        QObject::connect(band, &ToolBarBand::doubleClicked, band,
                         [this, band] { maximise(*band); });
}

void ToolBarBands::buildCategoryBand()
{
    ToolBarBand* band = categoryBand();
    band->setMinimumSize(m_categoryBand.minWidth, m_categoryBand.minHeight);
    band->setPreferredWidth(CategoryBandDesignWidth);

    m_categoryButton = new QToolButton(band);
    m_categoryButton->setObjectName(QStringLiteral("CategorySpeedButton"));
    m_categoryButton->setText(FromUtf8(CategoryButtonCaption));
    m_categoryButton->setToolTip(FromUtf8(CategoryButtonHint));
    m_categoryButton->setStatusTip(FromUtf8(CategoryButtonHint));
    m_categoryButton->setAccessibleName(FromUtf8(CategoryButtonCaption));
    m_categoryButton->setAccessibleDescription(FromUtf8(CategoryButtonHint));
    m_categoryButton->setAutoRaise(true);
    m_categoryButton->setIcon(AllCategoriesGlyph());
    m_categoryButton->setIconSize(QSize(16, 16));
    m_categoryButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // The glyph stands right of the caption.
    m_categoryButton->setLayoutDirection(Qt::RightToLeft);
    m_categoryButton->setEnabled(false);
    band->addWidget(m_categoryButton);

    m_categoryBox = new CategoryComboBox(band);
    m_categoryBox->setMinimumWidth(20);
    band->addWidget(m_categoryBox);
}

void ToolBarBands::buildToolBar(const CommandActions& actions, QMenu* listMenu)
{
    ToolBarBand* bar = toolBar();
    bar->setMinimumHeight(ToolBarMinHeight);
    bar->setPreferredWidth(ToolBarDesignWidth);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const std::string_view name : ToolBarLayout()) {
        if (name == SeparatorName) {
            bar->addSeparator();
        } else if (name == ToolButtonOpenList.name) {
            m_openListButton = new QToolButton(bar);
            m_openListButton->setObjectName(FromUtf8(ToolButtonOpenList.name));
            m_openListButton->setDefaultAction(actions.find(name));
            m_openListButton->setMenu(listMenu);
            m_openListButton->setPopupMode(QToolButton::MenuButtonPopup);
            m_openListButton->setAutoRaise(true);
            bar->addWidget(m_openListButton);
        } else {
            QAction* action = name == CommandInfoOf(CommandId::SearchSearchAgain).name
                                  ? actions.searchAgainButton()
                                  : actions.find(name);
            bar->addAction(action);
            if (QWidget* button = bar->widgetForAction(action))
                button->setObjectName(QStringLiteral("ToolButton") + action->objectName());
        }
    }
}

void ToolBarBands::scale(const ScreenScale& scale)
{
    m_categoryBand.minWidth = scale.scaled(CategoryBandMinWidth);
    m_categoryBand.minHeight = scale.scaled(CategoryBandMinHeight);
    categoryBand()->setMinimumSize(m_categoryBand.minWidth, m_categoryBand.minHeight);
}

void ToolBarBands::restore(const StoredLayout& stored)
{
    if (stored.ToolBarCategoriesWidth)
        categoryBand()->setPreferredWidth(*stored.ToolBarCategoriesWidth);
    Arrangement arrangement = m_arrangement;
    if (stored.CoolBarBand0Id)
        arrangement.firstBand =
            *stored.CoolBarBand0Id == ToolBarBandId ? ToolBarBandId : CategoryBandId;
    if (stored.CoolBarBand0Break)
        m_firstBreak = *stored.CoolBarBand0Break;
    if (stored.ToolBarWidth)
        toolBar()->setPreferredWidth(*stored.ToolBarWidth);
    if (stored.CoolBarBand1Break)
        arrangement.secondBreak = *stored.CoolBarBand1Break;
    if (stored.ToolBarVisible)
        m_toolBarVisible = *stored.ToolBarVisible;
    arrange(arrangement);
}

void ToolBarBands::arrange(const Arrangement& arrangement)
{
    for (ToolBarBand* band : m_bands)
        m_window.removeToolBar(band);
    for (ToolBarBand* band : m_bands)
        m_window.removeToolBarBreak(band);
    const int first = arrangement.firstBand;
    const int second = 1 - first;
    m_window.addToolBar(Qt::TopToolBarArea, m_bands[static_cast<std::size_t>(first)]);
    if (arrangement.secondBreak)
        m_window.addToolBarBreak(Qt::TopToolBarArea);
    m_window.addToolBar(Qt::TopToolBarArea, m_bands[static_cast<std::size_t>(second)]);
    // removeToolBar hides a band; show them again as they were.
    categoryBand()->setVisible(true);
    toolBar()->setVisible(m_toolBarVisible);
    m_arrangement = arrangement;
}

ToolBarBands::Arrangement ToolBarBands::currentArrangement() const
{
    if (!m_window.isVisible())
        return m_arrangement;
    const ToolBarBand* category = categoryBand();
    const ToolBarBand* tools = toolBar();
    if (!m_toolBarVisible)
        return m_arrangement;
    const QPoint a = category->geometry().topLeft();
    const QPoint b = tools->geometry().topLeft();
    const bool toolBarFirst = b.y() < a.y() || (b.y() == a.y() && b.x() < a.x());
    Arrangement arrangement;
    arrangement.firstBand = toolBarFirst ? ToolBarBandId : CategoryBandId;
    arrangement.secondBreak = a.y() != b.y();
    return arrangement;
}

void ToolBarBands::maximise(ToolBarBand& band)
{
    ToolBarBand& other = &band == categoryBand() ? *toolBar() : *categoryBand();
    const bool sameRow = other.isVisible() && other.geometry().top() == band.geometry().top();
    const int rowWidth = sameRow ? band.geometry().united(other.geometry()).width() : band.width();
    // The tool-bar area leaves the other band its minimum.
    band.setPreferredWidth(rowWidth);
    if (sameRow)
        other.setPreferredWidth(other.minimumSizeHint().width());
    // Re-adding the bands drops the widths the user dragged, which would
    // otherwise win over the preferred widths.
    arrange(currentArrangement());
}

void ToolBarBands::writeTo(WindowLayout& layout) const
{
    const Arrangement arrangement = currentArrangement();
    layout.ToolBarCategoriesWidth = categoryBand()->width();
    layout.CoolBarBand0Id = arrangement.firstBand;
    layout.CoolBarBand0Break = m_firstBreak;
    layout.ToolBarWidth = toolBar()->width();
    layout.CoolBarBand1Break = arrangement.secondBreak;
    layout.ToolBarVisible = m_toolBarVisible;
}

} // namespace zelt
