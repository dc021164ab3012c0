find_package(Qt6 REQUIRED COMPONENTS Widgets)

# The dialog framework: templates, data exchange, message tables and modal runs over Qt Widgets.
add_library(zareduz_platform STATIC
    platform/Application.cpp
    platform/ClientArea.cpp
    platform/DataExchange.cpp
    platform/Dialog.cpp
    platform/DialogWindow.cpp
    platform/StaticText.cpp
    platform/Windows1252.cpp)
target_include_directories(zareduz_platform PUBLIC platform)
target_link_libraries(zareduz_platform PUBLIC Qt6::Widgets)

# Dialog templates, menu, strings and icon, as data.
add_library(zareduz_res INTERFACE)
target_include_directories(zareduz_res INTERFACE res)

add_library(zareduz_ui STATIC
    ui/AboutDialog.cpp
    ui/BestScoresDialog.cpp
    ui/GameApp.cpp
    ui/HallOfFameDialog.cpp
    ui/MainDialog.cpp
    ui/SettingsDialog.cpp)
target_include_directories(zareduz_ui PUBLIC ui)
target_link_libraries(zareduz_ui PUBLIC zareduz_engine zareduz_scores zareduz_platform zareduz_res)

add_executable(zareduz ui/main.cpp)
target_link_libraries(zareduz PRIVATE zareduz_ui)
