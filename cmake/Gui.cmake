find_package(Qt6 REQUIRED COMPONENTS Widgets)

# The dialog framework: templates, data exchange, message tables and modal runs over Qt Widgets.
add_library(zareduz_platform STATIC
    platform/Application.cpp
    platform/ClientArea.cpp
    platform/DataExchange.cpp
    platform/Dialog.cpp
    platform/DialogWindow.cpp
    platform/GroupFrame.cpp
    platform/ModalStack.cpp
    platform/StaticText.cpp
    platform/Windows1252.cpp)
target_include_directories(zareduz_platform PUBLIC platform)
target_link_libraries(zareduz_platform PUBLIC Qt6::Widgets)

# Dialog templates, menu, strings and icon, as data.
add_library(zareduz_res INTERFACE)
# The templates are written in the framework's plain data types, which need no Qt.
target_include_directories(zareduz_res INTERFACE res platform)

add_library(zareduz_ui STATIC
    ui/AboutDialog.cpp
    ui/BestScoresDialog.cpp
    ui/GameApp.cpp
    ui/HallOfFameDialog.cpp
    ui/MainDialog.cpp
    ui/SettingsDialog.cpp)
target_include_directories(zareduz_ui PUBLIC ui)
target_compile_definitions(zareduz_ui PRIVATE ZAREDUZ_APP_ID="${ZAREDUZ_APP_ID}")
target_link_libraries(zareduz_ui PUBLIC zareduz_engine zareduz_scores zareduz_platform zareduz_res)

add_executable(zareduz ui/main.cpp)
target_link_libraries(zareduz PRIVATE zareduz_ui)

# Renders the icon theme's pictures from the program's own icon at build time.
add_executable(icon_renderer tools/icons/IconRenderer.cpp)
target_link_libraries(icon_renderer PRIVATE Qt6::Gui zareduz_res)
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/icons/stamp
    COMMAND icon_renderer ${CMAKE_CURRENT_BINARY_DIR}/icons ${ZAREDUZ_APP_ID}
    COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_CURRENT_BINARY_DIR}/icons/stamp
    DEPENDS icon_renderer
    COMMENT "Rendering the theme icons")
add_custom_target(theme_icons ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/icons/stamp)

include(cmake/Install.cmake)
