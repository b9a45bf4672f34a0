#include "MainEditor.h"

#include "AccessibleText.h"
#include "CommandTwins.h"
#include "Saver.h"
#include "SceneListModel.h"
#include "Translations.h"
#include "Twips.h"
#include "render/WalkCamera.h"
#include "render/WorldModel.h"
#include "render/WorldWindow.h"
#include "scene/Catalogue.h"
#include "scene/Orientation.h"

#include <QAction>
#include <QCheckBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

#include <array>

namespace {

constexpr int kClientWidthTwips = 9615;
constexpr int kClientHeightTwips = 6240;
constexpr int kFontPixels = 11;

struct ButtonPlace {
    QPushButton* MainEditor::*member;
    const char* name;
    const char* caption;
    int left, top, width, height;
    const char* hint;
};

constexpr std::array<ButtonPlace, 6> kButtons{{
    {&MainEditor::Command3, "Command3", QT_TRANSLATE_NOOP("MainEditor", "New"), 120, 5760, 855, 375,
     QT_TRANSLATE_NOOP("MainEditor", "Begins a new Norvane scene")},
    {&MainEditor::Command4, "Command4", QT_TRANSLATE_NOOP("MainEditor", "&Open"), 960, 5760, 735,
     375, QT_TRANSLATE_NOOP("MainEditor", "Opens a Norvane file")},
    {&MainEditor::Command6, "Command6", QT_TRANSLATE_NOOP("MainEditor", "&Save"), 1680, 5760, 735,
     375, QT_TRANSLATE_NOOP("MainEditor", "Saves scene to a Norvane file")},
    {&MainEditor::Command1, "Command1", QT_TRANSLATE_NOOP("MainEditor", "Save File to VRM&L"), 2400,
     5760, 2055, 375, QT_TRANSLATE_NOOP("MainEditor", "Saves the scene to a VRML 2.0 file.")},
    {&MainEditor::Command2, "Command2", QT_TRANSLATE_NOOP("MainEditor", "Exit"), 4440, 5760, 1095,
     375, QT_TRANSLATE_NOOP("MainEditor", "Exits the program")},
    {&MainEditor::Command7, "Command7", QT_TRANSLATE_NOOP("MainEditor", "&Preview Scene"), 5880,
     5880, 3615, 255, QT_TRANSLATE_NOOP("MainEditor", "Previews the 3D scene.")},
}};

struct OptionPlace {
    QRadioButton* MainEditor::*member;
    const char* name;
    int left, top;
    const char* hint;
};

// Four option buttons in a cross around the frame point (2760, 3120).
constexpr std::array<OptionPlace, 4> kOptions{{
    {&MainEditor::OptUp, "OptUp", 2760, 2880,
     QT_TRANSLATE_NOOP("MainEditor", "Makes the object face backward")},
    {&MainEditor::OptLeft, "OptLeft", 2400, 3120,
     QT_TRANSLATE_NOOP("MainEditor", "Makes the object face left")},
    {&MainEditor::optRight, "optRight", 3120, 3120,
     QT_TRANSLATE_NOOP("MainEditor", "Makes the object face right")},
    {&MainEditor::optDown, "optDown", 2760, 3360,
     QT_TRANSLATE_NOOP("MainEditor", "Makes the object face forward")},
}};

// One menu item; a null caption is a separator.
struct ActionPlace {
    QAction* MainEditor::*member;
    const char* name;
    const char* caption;
};

constexpr std::array<ActionPlace, 10> kFileMenu{{
    {&MainEditor::mnuNewItem, "mnuNewItem", QT_TRANSLATE_NOOP("MainEditor", "&New")},
    {&MainEditor::mnuLoadItem, "mnuLoadItem", QT_TRANSLATE_NOOP("MainEditor", "&Open File")},
    {&MainEditor::mnuSave2Item, "mnuSave2Item", QT_TRANSLATE_NOOP("MainEditor", "&Save File")},
    {&MainEditor::mnuDivide1, "mnuDivide1", nullptr},
    {&MainEditor::mnuSaveItem, "mnuSaveItem", QT_TRANSLATE_NOOP("MainEditor", "Save to VRM&L")},
    {&MainEditor::mnuExportAsItem, "mnuExportAsItem",
     QT_TRANSLATE_NOOP("MainEditor", "Export &As\u2026")},
    {&MainEditor::mnuWebPageItem, "mnuWebPageItem",
     QT_TRANSLATE_NOOP("MainEditor", "Export &Web Page\u2026")},
    {&MainEditor::mnuBrowserItem, "mnuBrowserItem",
     QT_TRANSLATE_NOOP("MainEditor", "Preview in &Browser")},
    {&MainEditor::mnuDivide2, "mnuDivide2", nullptr},
    {&MainEditor::mnuExitItem, "mnuExitItem", QT_TRANSLATE_NOOP("MainEditor", "&Exit")},
}};

constexpr std::array<ActionPlace, 2> kHelpMenu{{
    {&MainEditor::mnuManualItem, "mnuManualItem", QT_TRANSLATE_NOOP("MainEditor", "&Manual")},
    {&MainEditor::mnuAboutItem, "mnuAboutItem", QT_TRANSLATE_NOOP("MainEditor", "&About")},
}};

// What screen readers say for the controls: the options and the map have no caption, the rest
// keep their captions; descriptions default to the hover hints.
constexpr std::array<AccessibleText, 18> kAccessibleTexts{{
    {"Picture1", QT_TRANSLATE_NOOP("AccessibleText", "Map"),
     QT_TRANSLATE_NOOP(
         "AccessibleText",
         "Top view of the scene. Choose an object in Objects Available, then click the map to "
         "place "
         "it, or drag out a rectangle for a street, sidewalk, shrubbery, floor or wall.")},
    {"HScroll1", QT_TRANSLATE_NOOP("AccessibleText", "Map horizontal scroll bar"),
     QT_TRANSLATE_NOOP("AccessibleText", "Moves the enlarged map left and right")},
    {"VScroll1", QT_TRANSLATE_NOOP("AccessibleText", "Map vertical scroll bar"),
     QT_TRANSLATE_NOOP("AccessibleText", "Moves the enlarged map up and down")},
    {"List1", QT_TRANSLATE_NOOP("AccessibleText", "Objects Available"), nullptr},
    {"Check1", nullptr, nullptr},
    {"OptUp", QT_TRANSLATE_NOOP("AccessibleText", "Face backward"), nullptr},
    {"OptLeft", QT_TRANSLATE_NOOP("AccessibleText", "Face left"), nullptr},
    {"optRight", QT_TRANSLATE_NOOP("AccessibleText", "Face right"), nullptr},
    {"optDown", QT_TRANSLATE_NOOP("AccessibleText", "Face forward"), nullptr},
    {"List2", QT_TRANSLATE_NOOP("AccessibleText", "Objects in Scene"), nullptr},
    {"Command5", nullptr, nullptr},
    {"Command3", nullptr, nullptr},
    {"Command4", nullptr, nullptr},
    {"Command6", nullptr, nullptr},
    {"Command1", nullptr, nullptr},
    {"Command2", nullptr, nullptr},
    {"Command7", nullptr, nullptr},
    {"Picture2", QT_TRANSLATE_NOOP("AccessibleText", "Map view"),
     QT_TRANSLATE_NOOP("AccessibleText", "Shows the part of the map that the scroll bars choose")},
}};

// Widens a label to the left, keeping its right edge, until its whole text fits.
void growLeftToFitText(QLabel* label) {
    const int needed = label->fontMetrics().horizontalAdvance(label->text());
    if (needed <= label->width())
        return;
    QRect bounds = label->geometry();
    bounds.setLeft(bounds.right() + 1 - needed);
    label->setGeometry(bounds);
}

} // namespace

MainEditor::MainEditor(Services services, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_prompt(services.prompt, this) {
    installEnglishPlurals(); // the status bar and the problems of a file count their objects
    setObjectName(QStringLiteral("MainEditor"));
    setWindowTitle(untitledTitle());
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setMinimumSize(sizeFromTwips(kClientWidthTwips, kClientHeightTwips));
    client->resize(client->minimumSize());
    QFont small = client->font(); // the layout is measured for a small dialog font
    small.setPixelSize(kFontPixels);
    client->setFont(small);
    setCentralWidget(client);
    buildMap(client);
    buildCatalogueFrame(client);
    buildSceneFrame(client);
    buildButtons(client);
    buildMenus();
    build3DView();
    buildWorkspace();
    connectSignals();
    observeDocument();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    m_dockWidthAdded = dock3D->isVisibleTo(this);
    resize(minimumSizeHint());
    centreOnScreen();
    describeControls(this, kAccessibleTexts);
    showModeHint();
    applyZoom(norvane::ZoomLevel::Percent100);
    restoreWorkspace();
}

// The world view goes before the scene it listens to, and the dock and the dialog stop
// reaching the window once it is on its way out.
MainEditor::~MainEditor() {
    saveWorkspace();
    dock3D->disconnect(this);
    if (m_saver) // an open World Properties dialog goes with the window, unheard
        m_saver->disconnect(this);
    delete worldWindow;
    m_world.reset();
}

void MainEditor::buildMap(QWidget* client) {
    Picture2 = placeControl(new QWidget(client), "Picture2", 0, 0, norvane::kViewportTwips,
                            norvane::kViewportTwips);
    Picture1 = placeControl(new MapSurface(Picture2), "Picture1", 0, 0, 5445, 5445);
    Picture1->setPainter(
        [this](QImage& picture, const QRect& pixels) { paintMapPart(picture, pixels); });
    shpSelector = new MapShape(MapShape::Look::Ring, Picture1);
    shpSelector->setObjectName(QStringLiteral("shpSelector"));
    Shape1 = new MapShape(MapShape::Look::Dashed, Picture1);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    XLine = new MapShape(MapShape::Look::Dashed, Picture1);
    XLine->setObjectName(QStringLiteral("XLine"));
    YLine = new MapShape(MapShape::Look::Dashed, Picture1);
    YLine->setObjectName(QStringLiteral("YLine"));
    HScroll1 = placeControl(new QScrollBar(Qt::Horizontal, client), "HScroll1", 0, 5520, 5535, 255);
    VScroll1 = placeControl(new QScrollBar(Qt::Vertical, client), "VScroll1", 5520, 0, 255, 5535);
}

void MainEditor::buildCatalogueFrame(QWidget* client) {
    Frame1 =
        placeControl(new QGroupBox(tr("Create Object"), client), "Frame1", 5880, 0, 3615, 3615);
    Label3 =
        placeControl(new QLabel(tr("Objects Available"), Frame1), "Label3", 120, 360, 2055, 255);
    List1 = placeControl(new QListWidget(Frame1), "List1", 120, 600, 3375, 2205);
    Label3->setBuddy(List1);
    List1->setToolTip(tr("Objects that can be inserted in the scene"));
    for (const norvane::KindInfo& kind : norvane::kCatalogue)
        List1->addItem(QString::fromUtf8(kind.name.data(), qsizetype(kind.name.size())));
    Check1 =
        placeControl(new QCheckBox(tr("With &Anchor"), Frame1), "Check1", 120, 3120, 1335, 195);
    Check1->setToolTip(tr("Links the object to a web page or file"));
    // The label ends just left of the left option button; in a wide font it grows leftwards.
    Label1 = placeControl(new QLabel(tr("Orientation"), Frame1), "Label1", 1425, 3120, 945, 255);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    growLeftToFitText(Label1);
    for (const OptionPlace& entry : kOptions) {
        QRadioButton* option =
            placeControl(new QRadioButton(Frame1), entry.name, entry.left, entry.top, 255, 195);
        option->setToolTip(tr(entry.hint));
        this->*entry.member = option;
    }
    optDown->setChecked(true);
}

void MainEditor::buildSceneFrame(QWidget* client) {
    Frame2 = placeControl(new QGroupBox(tr("Objects in Scene"), client), "Frame2", 5880, 3720, 3615,
                          2175);
    List2 = placeControl(new QListView(Frame2), "List2", 120, 240, 3375, 1425);
    List2->setUniformItemSizes(true); // rows are measured once, whatever the scene's size
    m_sceneList = std::make_unique<SceneListModel>(scene());
    List2->setModel(m_sceneList.get());
    for (const auto rowsChanged : {&SceneListModel::rowsInserted, &SceneListModel::rowsRemoved})
        connect(m_sceneList.get(), rowsChanged, this, &MainEditor::showObjectCount);
    connect(m_sceneList.get(), &SceneListModel::modelReset, this, &MainEditor::showObjectCount);
    List2->setToolTip(tr("Selects an object currently in scene."));
    Command5 = placeControl(new QPushButton(tr("&Remove Object"), Frame2), "Command5", 120, 1800,
                            3375, 255);
    Command5->setToolTip(tr("Removes the currently selected object from the scene"));
}

void MainEditor::buildButtons(QWidget* client) {
    for (const ButtonPlace& entry : kButtons) {
        QPushButton* button = placeControl(new QPushButton(tr(entry.caption), client), entry.name,
                                           entry.left, entry.top, entry.width, entry.height);
        button->setToolTip(tr(entry.hint));
        this->*entry.member = button;
    }
}

void MainEditor::buildMenus() {
    const auto fill = [this](QMenu* menu, const auto& entries) {
        for (const ActionPlace& entry : entries) {
            QAction* action =
                entry.caption ? menu->addAction(tr(entry.caption)) : menu->addSeparator();
            action->setObjectName(QLatin1String(entry.name));
            this->*entry.member = action;
        }
    };
    mnuFileItem = menuBar()->addMenu(tr("&File"));
    mnuFileItem->setObjectName(QStringLiteral("mnuFileItem"));
    fill(mnuFileItem, kFileMenu);
    buildFileExtras();
    buildEditMenu();
    buildScaleMenu();
    mnuHelpItem = menuBar()->addMenu(tr("&Help"));
    mnuHelpItem->setObjectName(QStringLiteral("mnuHelpItem"));
    fill(mnuHelpItem, kHelpMenu);
    mnuManualItem->setShortcut(Qt::Key_F1);
}

// The three levels are checkable items outside any exclusive group, so menus show the current
// one with a check mark rather than a radio bullet; applyZoom keeps exactly one checked.
void MainEditor::buildScaleMenu() {
    mnuViewItem = menuBar()->addMenu(tr("&View"));
    mnuViewItem->setObjectName(QStringLiteral("mnuViewItem"));
    mnuScaleItem = mnuViewItem->addMenu(tr("&Scale"));
    mnuScaleItem->setObjectName(QStringLiteral("mnuScaleItem"));
    const std::array<std::pair<QAction * MainEditor::*, const char*>, 4> levels{{
        {&MainEditor::mnu100Item, "mnu100Item"},
        {&MainEditor::mnu200Item, "mnu200Item"},
        {&MainEditor::mnu400Item, "mnu400Item"},
        {&MainEditor::mnu800Item, "mnu800Item"},
    }};
    for (std::size_t i = 0; i < levels.size(); ++i) {
        QAction* action = mnuScaleItem->addAction(tr("&%1%").arg(norvane::kZoomLevels[i].percent));
        action->setObjectName(QLatin1String(levels[i].second));
        action->setCheckable(true);
        this->*levels[i].first = action;
    }
    mnu100Item->setChecked(true);
}

void MainEditor::connectSignals() {
    connect(List1, &QListWidget::itemSelectionChanged, this, &MainEditor::onList1SelectionChanged);
    connect(List2->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainEditor::onList2SelectionChanged);
    connect(Command5, &QPushButton::clicked, this, &MainEditor::Command5_Click);
    connectTwins(Command2, mnuExitItem, this, &MainEditor::close);
    connect(Picture1, &MapSurface::pressed, this, &MainEditor::Picture1_MouseDown);
    connect(Picture1, &MapSurface::moved, this, &MainEditor::Picture1_MouseMove);
    connect(Picture1, &MapSurface::released, this, &MainEditor::Picture1_MouseUp);
    connect(mnu100Item, &QAction::triggered, this, &MainEditor::mnu100Item_Click);
    connect(mnu200Item, &QAction::triggered, this, &MainEditor::mnu200Item_Click);
    connect(mnu400Item, &QAction::triggered, this, &MainEditor::mnu400Item_Click);
    connect(mnu800Item, &QAction::triggered, this, &MainEditor::mnu800Item_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &MainEditor::HScroll1_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &MainEditor::VScroll1_Change);
    // The cross-hair hides when the pointer moves over the window or either list.
    for (QWidget* watched : {centralWidget(), List1->viewport(), List2->viewport()}) {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }
    connectFileCommands();
    connectShellCommands();
    connectEditCommands();
}

void MainEditor::centreOnScreen() {
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}
