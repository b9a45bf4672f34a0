#pragma once

#include "MapShape.h"
#include "MapSurface.h"
#include "RecentFiles.h"
#include "SceneDocument.h"
#include "SceneEditTarget.h"
#include "ServicePrompt.h"
#include "Services.h"

#include "map/KeyboardCursor.h"
#include "map/MapPoint.h"
#include "map/MapZoom.h"
#include "map/MouseButton.h"
#include "map/MoveGesture.h"
#include "map/PlacementGesture.h"
#include "platform/TextBuffer.h"
#include "scene/Scene.h"
#include "vrml/WorldWriter.h"

#include <QMainWindow>
#include <QPointer>
#include <QUndoStack>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QAction;
class QCheckBox;
class QDockWidget;
class QGroupBox;
class QLabel;
class QListView;
class QListWidget;
class QMenu;
class QPainter;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSessionManager;
class QUndoCommand;
class QKeyEvent;
class QWheelEvent;
class Saver;
class SceneListModel;
namespace norvane {
struct WorldFormat;
struct WorldOptions;
} // namespace norvane
class WalkCamera;
class WorldModel;
class WorldWindow;

// The main window: the map with its scroll bars, the catalogue with orientation and anchor
// controls, the list of objects in the scene, the command buttons and the menu bar. Owns the
// document it edits and every widget; the services must outlive it. Controls keep their legacy
// names as members and as objectNames. Every change of the scene goes through the document's
// undo history; the map, List2 and the 3D view follow the document's and the scene's changes.
class PreviewServer;

class MainEditor : public QMainWindow {
    Q_OBJECT
    // The scene, its history, selection, path and saved state; first, for `Saved` binds to it.
    SceneDocument m_document;

public:
    explicit MainEditor(Services services, QWidget* parent = nullptr);
    ~MainEditor() override;

    // The scene shown on the map and in List2; after changing it directly, call
    // refreshSceneList() and Render2D().
    norvane::Scene& scene() { return m_document.scene(); }
    SceneDocument& document() { return m_document; }
    // True when the scene has no unsaved changes (the document's saved state).
    bool& Saved = m_document.saved();

    // Repaints the whole map picture from the scene: the part in view at the next paint, the
    // rest as it comes into view or when the picture is read.
    void Render2D();
    // Shows the scene afresh in List2 and selects the scene's selected row.
    void refreshSceneList();

    // The file buffer through which scene files, worlds, the preview and the manual pass.
    norvane::TextBuffer FinalCode;

    // Start-up: opens the scene file named by the command line (the arguments joined by spaces)
    // when it names one, then draws the map. A failure is shown and keeps the new empty scene.
    void loadStartupScene(const QString& commandLine);
    // The title of a scene that has no file yet: "Norvane (New)".
    static QString untitledTitle();

    // Placement state, for tests and later commands.
    bool MapPressed() const { return m_gesture.mapPressed(); }
    float DragStartX() const { return m_gesture.dragStart().x; }
    float DragStartY() const { return m_gesture.dragStart().y; }
    float DragEndX() const { return m_gesture.dragEnd().x; }
    float DragEndY() const { return m_gesture.dragEnd().y; }
    // The map surface's outer width and height at the current zoom, in twips.
    int surfaceTwips() const { return m_surfaceTwips; }

    // Map and viewport.
    QWidget* Picture2 = nullptr;
    MapSurface* Picture1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    MapShape* shpSelector = nullptr;
    MapShape* Shape1 = nullptr;
    MapShape* XLine = nullptr;
    MapShape* YLine = nullptr;
    // "Create Object" frame.
    QGroupBox* Frame1 = nullptr;
    QLabel* Label3 = nullptr;
    QListWidget* List1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* Label1 = nullptr;
    QRadioButton* OptUp = nullptr;
    QRadioButton* OptLeft = nullptr;
    QRadioButton* optRight = nullptr;
    QRadioButton* optDown = nullptr;
    // "Objects in Scene" frame.
    QGroupBox* Frame2 = nullptr;
    QListView* List2 = nullptr;
    QPushButton* Command5 = nullptr;
    // Command buttons: New, Open, Save, Save File to VRML, Exit, Preview Scene.
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command7 = nullptr;
    // Menus and their items.
    QMenu* mnuFileItem = nullptr;
    QAction* mnuNewItem = nullptr;
    QAction* mnuLoadItem = nullptr;
    QAction* mnuSave2Item = nullptr;
    QAction* mnuDivide1 = nullptr;
    QAction* mnuSaveItem = nullptr;
    QAction* mnuExportAsItem = nullptr; // "Export As…": the world in any format
    QAction* mnuWebPageItem = nullptr;  // "Export Web Page…": the page folder with the defaults
    QAction* mnuBrowserItem = nullptr;  // "Preview in Browser": that page served on 127.0.0.1
    QAction* mnuDivide2 = nullptr;
    QAction* mnuExitItem = nullptr;
    // Edit menu: undo and redo name the change; the rest act on the selected object.
    QMenu* mnuEditItem = nullptr;
    QAction* mnuUndoItem = nullptr;
    QAction* mnuRedoItem = nullptr;
    QAction* mnuCutItem = nullptr;
    QAction* mnuCopyItem = nullptr;
    QAction* mnuPasteItem = nullptr;
    QAction* mnuDuplicateItem = nullptr;
    QAction* mnuDeleteItem = nullptr;
    QAction* mnuPropertiesItem = nullptr;
    QAction* mnuSelectItem = nullptr;    // Escape: no kind chosen (once more: nothing selected)
    QAction* mnuSelectAllItem = nullptr; // Ctrl+A: every object
    QMenu* mnuTurnItem = nullptr;        // "Turn": the selection by 15° or 1°, or a quarter turn
    QMenu* mnuViewItem = nullptr;
    QMenu* mnuScaleItem = nullptr;
    QAction* mnu100Item = nullptr;
    QAction* mnu200Item = nullptr;
    QAction* mnu400Item = nullptr;
    // The workspace (MainEditor_Workspace.cpp, _Zoom.cpp, _Keyboard.cpp): more scales, the grid
    // and snapping, kept between runs with the window's geometry; the status bar.
    QAction* mnu800Item = nullptr;
    QAction* mnuFitItem = nullptr;     // "Fit to Window": the whole map in the viewport
    QAction* mnuZoomInItem = nullptr;  // Ctrl++, also Ctrl+wheel over the map
    QAction* mnuZoomOutItem = nullptr; // Ctrl+-
    QAction* mnuGridItem = nullptr;    // "Show Grid"
    QAction* mnuSnapItem = nullptr;    // "Snap to Grid"; Alt while clicking inverts it
    QLabel* statusPosition = nullptr;  // the pointer or keyboard cursor, as a placement stores it
    QLabel* statusMode = nullptr;      // the chosen kind or "Select"
    QLabel* statusCount = nullptr;     // the number of objects in the scene
    QAction* mnu3DViewItem = nullptr;  // View > "3D View" (F3): shows or hides dock3D
    // The 3D view beside the map; worldWindow is null where there is no OpenGL.
    QDockWidget* dock3D = nullptr;
    WorldWindow* worldWindow = nullptr;
    QMenu* mnuHelpItem = nullptr;
    QAction* mnuManualItem = nullptr;
    QAction* mnuAboutItem = nullptr;
    // File > "New from Template" and "Open Recent": starter scenes opened untitled, and the
    // scene files opened or saved last, with "Clear List" below them.
    QMenu* mnuTemplateItem = nullptr;
    QMenu* mnuRecentItem = nullptr;
    std::array<QAction*, RecentFiles::kMaxCount> mnuRecentFileItem{};
    QAction* mnuClearRecentItem = nullptr;
    // Where the templates are read from; the installed or build-tree folder unless set.
    void setTemplateFolder(const QString& folder) { m_templateFolder = folder; }

public slots:
    // MainEditor_Map.cpp: the placement hint, selection, removal, the placement gesture, zoom
    // and scrolling. Each reads the widgets, runs one map-editor step and refreshes what changed.
    void List1_Click();
    void List2_Click();
    void List2_DblClick(); // opens the object's properties
    void Command5_Click();
    void Picture1_MouseDown(norvane::MouseButton button, norvane::MapPoint at);
    void Picture1_MouseMove(norvane::MapPoint at);
    void Picture1_MouseUp(norvane::MouseButton button, norvane::MapPoint at);
    void mnu100Item_Click();
    void mnu200Item_Click();
    void mnu400Item_Click();
    void HScroll1_Change(int position);
    void VScroll1_Change(int position);
    // MainEditor_Zoom.cpp and MainEditor_Workspace.cpp: the workspace commands.
    void mnu800Item_Click();
    void mnuFitItem_Click();
    void mnuZoomInItem_Click();
    void mnuZoomOutItem_Click();
    void mnuGridItem_Click();
    void mnuSnapItem_Click();
    // MainEditor_File.cpp: New, Open and Save, also run by Command3, Command4 and Command6.
    void mnuNewItem_Click();
    void mnuLoadItem_Click();
    void mnuSave2Item_Click();
    // MainEditor_Edit.cpp: clipboard, duplicate, properties and the choice of map mode.
    void mnuCutItem_Click();
    void mnuCopyItem_Click();
    void mnuPasteItem_Click();
    void mnuDuplicateItem_Click();
    void mnuPropertiesItem_Click();
    void mnuSelectItem_Click();
    void mnuSelectAllItem_Click();
    // MainEditor_Shell.cpp: World Properties (also Command1), preview, manual and About.
    void mnuSaveItem_Click();
    void Command7_Click();
    void mnuManualItem_Click();
    void mnuAboutItem_Click();
    // MainEditor_Web.cpp: the web page in a chosen folder, and served to the desktop's browser.
    void mnuExportAsItem_Click();
    void mnuWebPageItem_Click();
    void mnuBrowserItem_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The close guard: Exit, the close box and the system all come here.
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // MainEditor_Drop.cpp: a dropped scene file opens like Open; other drops are refused.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // MainEditor.cpp: building the window.
    void buildMap(QWidget* client);
    void buildCatalogueFrame(QWidget* client);
    void buildSceneFrame(QWidget* client);
    void buildButtons(QWidget* client);
    void buildMenus();
    void buildScaleMenu();
    void connectSignals();
    void centreOnScreen();
    // MainEditor_Map.cpp: helpers of the map slots.
    std::string_view chosenKind() const;
    std::string_view chosenOrientation() const;
    void appendPlaced(norvane::SceneObject object);
    void selectRow(int row);
    void onList1SelectionChanged();
    void onList2SelectionChanged();
    void applyZoom(norvane::ZoomLevel level);
    void releasePlacement(norvane::MouseButton button, norvane::MapPoint at);
    void refreshGestureShapes();
    void paintMapPart(QImage& picture, const QRect& pixels);
    void hideCrossHair();
    // MainEditor_Edit.cpp: the Edit menu and the undoable changes.
    void buildEditMenu();
    void connectEditCommands();
    SceneEditTarget editTarget() { return m_document.editTarget(); }
    void observeDocument();
    void showNewScene();
    void enableSelectionCommands();
    void showEdited(int row, const std::vector<norvane::SceneObject>& touched);
    void redrawAround(const std::vector<norvane::SceneObject>& touched);
    void pushEdit(QUndoCommand* command);
    void insertCopies(const std::vector<norvane::SceneObject>& sources, const CommandVerb& verb);
    std::vector<norvane::SceneObject> selectedObjects(); // in the selection's order
    void nudgeSelected(norvane::MapPoint offset);
    bool mapKeyPressed(int key, bool fine);
    void showModeHint();
    // MainEditor_Turn.cpp: turning the selection, and Properties of several objects.
    void buildTurnMenu();
    void turnSelected(const std::function<std::string(std::string_view)>& turned);
    void editSelectedTogether();
    // MainEditor_Selection.cpp: selecting and dragging on the map with no kind chosen.
    void buildSelectionCommands();
    void showSelection();
    void paintSelectionMarkers(QPainter& painter, const QRect& pixels);
    void pickOnMap(norvane::MouseButton button, norvane::MapPoint at);
    norvane::MapRect bandRect(norvane::MapPoint to) const;
    void releaseBand(norvane::MapPoint at);
    void dragTo(norvane::MapPoint at);
    void drop();
    // MainEditor_Workspace.cpp: the resizable layout, the status bar and what is kept.
    void buildWorkspace();
    void buildWorkspaceMenus();
    void buildStatusBar();
    void layoutClient();
    void restoreWorkspace();
    void saveWorkspace();
    bool workspaceEvent(QObject* watched, QEvent* event);
    void showPointer(norvane::MapPoint at);
    void showObjectCount();
    float shownGridStep() const;
    bool snapsWithAlt(bool altHeld) const;
    // MainEditor_Zoom.cpp: zoom levels, Fit, the wheel and panning.
    void zoomTo(int twips, std::optional<norvane::ZoomLevel> level, norvane::MapPoint keep,
                QPoint at);
    void zoomStep(int steps, QPoint at);
    void fitToWindow();
    void setScrollRanges();
    norvane::MapPoint mapPointAt(QPoint viewportPixel) const;
    void keepInView(norvane::MapPoint centre, QSize viewport);
    void scrollToShow(norvane::MapPoint at);
    bool wheelOnMap(QObject* watched, QWheelEvent* event);
    bool panEvent(QObject* watched, QEvent* event);
    // MainEditor_Keyboard.cpp: placing with the arrow keys, Enter and Escape.
    bool mapKeyEvent(QKeyEvent* key);
    bool keyboardPlacementKey(int key, bool fine);
    void showKeyboardCursor();
    void enterAtCursor();
    // MainEditor_File.cpp: scene file commands and the unsaved-data guard.
    void connectFileCommands();
    bool mayEraseUnsavedData();
    bool openSceneFile(const QString& path, const QString& failureNote = {});
    bool showSceneFile(const QString& path, const QString& documentPath,
                       const QString& failureNote);
    void commitSessionData(QSessionManager& manager);
    // MainEditor_Recent.cpp: the template and recent file menus; MainEditor_Drop.cpp: drops.
    void buildFileExtras();
    void refreshRecentMenu();
    void rememberRecent(const QString& path);
    void openRecentFile(std::size_t index);
    void clearRecentFiles();
    void openTemplate(const QString& fileName);
    void openDroppedFile(const QString& path);
    // MainEditor_Shell.cpp: World Properties, preview, manual and About.
    void connectShellCommands();
    void connectWebCommands();
    // MainEditor_Export.cpp: Export As…, in any world format, and what the format loses.
    void connectExportCommands();
    void exportWorldAs(QWidget* parent, const QString& path, const norvane::WorldOptions& options);
    void reportWhatIsLost(QWidget* parent, const norvane::WorldFormat& format,
                          const norvane::WorldOptions& options);
    bool exportWebPageTo(const QString& folder, const QString& pageName, QWidget* parent,
                         const norvane::WorldOptions& options, const norvane::PageOptions& page);
    void openWorldProperties(std::function<void(Saver&, const norvane::WorldOptions&)> exporter);
    void writeAndOpen(const QString& name, const std::function<std::string()>& text);
    // MainEditor_View3D.cpp: the 3D view dock.
    void build3DView();
    QWidget* worldContainer();
    QWidget* noOpenGLNote();
    void fitWindowToDock();
    void followSceneIn3D();
    void highlightIn3D(int row);
    void showSkyIn3D(const QString& sky);

    Services m_services;
    ServicePrompt m_prompt;
    std::unique_ptr<SceneListModel> m_sceneList; // List2's rows; goes before the scene
    norvane::PlacementGesture m_gesture;
    norvane::MoveGesture m_move;
    // The other selected objects that a drag moves along, with their values at the press.
    std::vector<std::pair<std::size_t, norvane::SceneObject>> m_dragged;
    std::optional<norvane::MapPoint> m_band; // where the selecting rubber band was pressed
    std::optional<norvane::ZoomLevel> m_zoom = norvane::ZoomLevel::Percent100; // none: Fit
    int m_surfaceTwips = norvane::surfaceTwips(norvane::ZoomLevel::Percent100);
    int m_wheelZoom = 0;         // wheel turns gathered towards one zoom step
    bool m_gestureSnaps = false; // the mouse gesture under way snaps to whole metres
    bool m_panning = false;      // the middle button, or Space with the left, drags the map
    bool m_spaceHeld = false;
    QPoint m_panFrom;              // global pointer position where the drag began
    QPoint m_panScroll;            // the scroll positions then
    bool m_keyboardCorner = false; // Enter set an area's first corner at the keyboard cursor
    bool m_dockWidthAdded = false; // the window is wider by the 3D view's dock
    int m_widthWithoutDock = 0;    // the window's width while the dock was last hidden
    QSize m_viewport;              // Picture2's size at the last layout
    norvane::KeyboardCursor m_cursor;
    int m_kindRow = -1; // the catalogue row chosen last
    QPointer<Saver> m_saver;
    PreviewServer* m_previewServer = nullptr; // started by the first browser preview; a child
    std::optional<norvane::WorldOptions> m_confirmedWorld; // last confirmed in World Properties
    std::optional<norvane::PageOptions> m_confirmedPage;   // last confirmed in Page Options
    std::unique_ptr<WorldModel> m_world;
    std::unique_ptr<WalkCamera> m_walker;
    RecentFiles m_recent{m_services.settings};
    QString m_templateFolder;
};
