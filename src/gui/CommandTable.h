#pragma once
// The main window's commands: their ids, menus and texts, from which the menu
// bar and the toolbar are built. The window dispatches a command by its id.

#include <array>
#include <optional>

enum CommandId : int {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 32811,
    ID_FILE_CLOSE = 32816,
    ID_FILE_LOAD_EXTERNAL_BIN = 32809,
    ID_FILE_CONVERT = 32814,
    ID_FILE_EXIT = 32815,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUSBAR = 32774,
    // Not among the original commands: shows the background-music view,
    // which nothing else makes visible.
    ID_VIEW_BACKGROUND_MUSIC = 32837,
    ID_MODE_MP3 = 32834,
    ID_MODE_KEY = 32775,
    ID_MODE_ONE_LINE = 32778,
    ID_MODE_THREE_LINES = 32779,
    ID_MODE_PARALLEL_PORT = 32812,
    ID_MODE_MATRIX = 32813,
    ID_OPERATION_COMPILE = 32780,
    ID_OPERATION_OPTIONS = 32781,
    ID_OPERATION_KEY_SETUP = 32802,
    ID_OPERATION_EQUATION_SETUP = 32803,
    // Not among the original commands: the Escape key of the list views,
    // made findable in the menu and the toolbar.
    ID_OPERATION_STOP = 32838,
    ID_TOOL_DOWNLOAD = 32782,
    // Not among the original commands: voice prompts and the firmware header.
    ID_TOOL_PREPARE_SOUNDS = 32850,
    ID_TOOL_SPOKEN_PROMPTS = 32851,
    ID_TOOL_FIRMWARE_HEADER = 32852,
    // Not among the original commands: a project made again from its BIN.
    ID_TOOL_RECOVER_PROJECT = 32860,
    ID_LANGUAGE_CHINESE = 32835,
    ID_LANGUAGE_ENGLISH = 32836,
    ID_HELP_ABOUT = 32783,
    ID_HELP_CONTENT = 32784,
};

enum class Menu { File, View, Mode, Operation, Tool, Language, Help };

// The menu bar's titles, in Menu order.
inline constexpr std::array<const char*, 7> kMenuTitles = {
    "&File", "&View", "&Mode", "&Operation", "&Tool", "&Language", "&Help",
};

struct Command {
    CommandId id;
    Menu menu;
    // The menu text; a key shown beside it follows a "\t".
    const char* text;
    // Greyed while no project is open or a playlist preview runs.
    bool projectCommand;
    bool checkable;
    bool separatorBefore;
};

// In menu order.
inline constexpr std::array<Command, 31> kCommands = {{
    {ID_FILE_NEW, Menu::File, "&New Project\tF2", false, false, false},
    {ID_FILE_OPEN, Menu::File, "&Open Project\tF3", false, false, false},
    {ID_FILE_SAVE, Menu::File, "&Save", false, false, false},
    {ID_FILE_SAVE_AS, Menu::File, "Save &As Project\tCtrl+S", true, false, false},
    {ID_FILE_CLOSE, Menu::File, "&Close Project\tCtrl+C", true, false, false},
    {ID_FILE_LOAD_EXTERNAL_BIN, Menu::File, "&Load External BIN", true, false, true},
    {ID_FILE_CONVERT, Menu::File, "&Convert MP3/WMA to WAV", true, false, false},
    {ID_FILE_EXIT, Menu::File, "E&xit\tCtrl+E", false, false, true},
    {ID_VIEW_TOOLBAR, Menu::View, "&Toolbar", false, true, false},
    {ID_VIEW_STATUSBAR, Menu::View, "&Statusbar", false, true, false},
    {ID_VIEW_BACKGROUND_MUSIC, Menu::View, "&Background Music", false, true, false},
    {ID_MODE_MP3, Menu::Mode, "&MP3", true, true, false},
    {ID_MODE_KEY, Menu::Mode, "Key", true, true, false},
    {ID_MODE_ONE_LINE, Menu::Mode, "&One Line", true, true, false},
    {ID_MODE_THREE_LINES, Menu::Mode, "&Three Lines", true, true, false},
    {ID_MODE_PARALLEL_PORT, Menu::Mode, "&Parallel Port", true, true, false},
    {ID_MODE_MATRIX, Menu::Mode, "&Matrix 3x8", true, true, false},
    {ID_OPERATION_COMPILE, Menu::Operation, "Compile (Save BIN)\tF4", true, false, false},
    {ID_OPERATION_OPTIONS, Menu::Operation, "&Options", true, false, false},
    {ID_OPERATION_KEY_SETUP, Menu::Operation, "&Key Setup", true, false, false},
    {ID_OPERATION_EQUATION_SETUP, Menu::Operation, "&Equation Setup", true, false, false},
    {ID_OPERATION_STOP, Menu::Operation, "&Stop\tEsc", false, false, true},
    {ID_TOOL_DOWNLOAD, Menu::Tool, "&Download Data\tF5", false, false, false},
    {ID_TOOL_PREPARE_SOUNDS, Menu::Tool, "Prepare Sounds...", false, false, true},
    {ID_TOOL_SPOKEN_PROMPTS, Menu::Tool, "Spoken Prompts...", false, false, false},
    {ID_TOOL_FIRMWARE_HEADER, Menu::Tool, "Export Firmware Header...", true, false, false},
    {ID_TOOL_RECOVER_PROJECT, Menu::Tool, "Recover Project from BIN...", false, false, true},
    {ID_LANGUAGE_CHINESE, Menu::Language, "&Chinese", false, false, false},
    {ID_LANGUAGE_ENGLISH, Menu::Language, "&English", false, false, false},
    {ID_HELP_ABOUT, Menu::Help, "&About", false, false, false},
    {ID_HELP_CONTENT, Menu::Help, "Help Content\tF1", false, false, false},
}};

// The control mode a Mode menu item sets; nothing for other commands.
std::optional<int> ModeOfCommand(CommandId id);

// The toolbar's buttons in order; 0 stands for a separator.
inline constexpr std::array<int, 11> kToolbarCommands = {
    ID_FILE_NEW, ID_FILE_OPEN,     0, ID_OPERATION_COMPILE, ID_OPERATION_OPTIONS, 0, ID_OPERATION_STOP, 0,
    ID_TOOL_DOWNLOAD, 0, ID_HELP_CONTENT,
};
