#include "res/DialogTemplates.h"

namespace {
constexpr unsigned FlatButton = StyleFlat | StyleTabStop;
}

const DialogTemplate& EditorTemplate() {
    static const DialogTemplate dialog{
        "Zapmaze Level Editor v1.02",
        346,
        183,
        FrameKind::Caption,
        {
            {IdClose, ControlKind::PushButton, "Close", 294, 162, 45, 14, FlatButton},
            {IdStatusLine, ControlKind::Static, "MESSAGE BOX", 7, 166, 196, 11, StyleNone},
            {IdLoad, ControlKind::PushButton, "&Load", 294, 72, 45, 14, FlatButton},
            {IdSave, ControlKind::PushButton, "&Save", 294, 91, 45, 14, FlatButton},
            {IdFillFloor, ControlKind::PushButton, "Fill Floor", 208, 11, 50, 14, FlatButton},
            {IdClearFloor, ControlKind::PushButton, "Clear Floor", 208, 29, 50, 14, FlatButton},
            {IdShowGrid, ControlKind::CheckBox, "Show Grid", 210, 51, 49, 10, FlatButton},
            {IdCredits, ControlKind::Static,
             "Zapmaze Level Editor\r\nby the Zapmaze team\r\nClick for credits", 209, 150, 82, 26,
             StyleCentred | StyleStaticEdge},
            {IdNew, ControlKind::PushButton, "&New", 294, 53, 45, 14, FlatButton},
            {NoControlId, ControlKind::GroupBox, "", 262, 7, 77, 41, StyleNone},
            {IdSaveAs, ControlKind::PushButton, "Save &As", 294, 111, 45, 14, FlatButton},
            {IdSettings, ControlKind::PushButton, "Se&ttings", 293, 131, 46, 14, FlatButton},
        },
    };
    return dialog;
}

const DialogTemplate& AboutTemplate() {
    static const DialogTemplate dialog{
        "",
        197,
        55,
        FrameKind::ThinBorderPopup,
        {
            {NoControlId, ControlKind::Icon, "", 11, 17, 21, 20, StyleNone, 128},
            {NoControlId, ControlKind::Static, "Zapmaze Level Editor v1.02", 40, 12, 119, 8,
             StyleNone},
            {NoControlId, ControlKind::Static, "Editor (c) the Zapmaze team", 40, 23, 119, 8,
             StyleNone},
            {NoControlId, ControlKind::Static, "Zapmaze (c) its original makers", 40, 34, 136, 8,
             StyleNone},
        },
    };
    return dialog;
}

const DialogTemplate& SettingsTemplate() {
    static const DialogTemplate dialog{
        "Zapmaze Level Editor - Settings",
        224,
        70,
        FrameKind::Caption,
        {
            {IdSettingsCancel, ControlKind::PushButton, "Cancel", 167, 49, 50, 14, StyleTabStop},
            {NoControlId, ControlKind::Static, "Zapmaze Level Directory:", 7, 7, 90, 8, StyleNone},
            {IdDirectoryField, ControlKind::Edit, "", 7, 16, 171, 14, StyleTabStop},
            {IdBrowse, ControlKind::PushButton, "&Browse", 180, 16, 37, 14, StyleTabStop},
            {IdSettingsSave, ControlKind::DefaultPushButton, "&Save", 113, 49, 50, 14,
             StyleTabStop},
        },
    };
    return dialog;
}
