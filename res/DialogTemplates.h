#pragma once
// The dialog templates of the program: sizes and control positions in dialog units, as data.
// The platform layer turns them into windows and widgets.
#include <string>
#include <vector>

enum class ControlKind { PushButton, DefaultPushButton, CheckBox, Static, GroupBox, Edit, Icon };

// Style bits that matter to the program; other looks are the toolkit's.
enum ControlStyle : unsigned {
    StyleNone = 0,
    StyleTabStop = 1u << 0,
    StyleFlat = 1u << 1,
    StyleCentred = 1u << 2,
    StyleStaticEdge = 1u << 3,
};

constexpr int NoControlId = -1;

struct ControlTemplate {
    int id;
    ControlKind kind;
    std::string text;
    int x, y, width, height; // dialog units
    unsigned style;
    int resourceId = 0; // picture of an Icon control
};

enum class FrameKind { Caption, ThinBorderPopup };

struct DialogTemplate {
    std::string caption;
    int width, height; // dialog units
    FrameKind frame;
    std::vector<ControlTemplate> controls; // template order is tab order
};

// Editor control ids.
constexpr int IdStatusLine = 1000;
constexpr int IdLoad = 1001;
constexpr int IdSave = 1002;
constexpr int IdSaveAs = 1003;
constexpr int IdClearFloor = 1004;
constexpr int IdFillFloor = 1005;
constexpr int IdShowGrid = 1009;
constexpr int IdNew = 1010;
constexpr int IdClose = 1012;
constexpr int IdSettings = 1015;
constexpr int IdCredits = 1019;

// Settings dialog control ids.
constexpr int IdSettingsCancel = 2;
constexpr int IdDirectoryField = 1016;
constexpr int IdBrowse = 1017;
constexpr int IdSettingsSave = 1018;

const DialogTemplate& EditorTemplate();
const DialogTemplate& AboutTemplate();
const DialogTemplate& SettingsTemplate();
