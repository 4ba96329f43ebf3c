# Windows test executables run under Wine on a private Xvfb display. The
# emulator script starts the display, the 32-bit prefix and a keeper
# process once per build tree; the wine.cleanup fixture stops all of it.
set(KADREL_WINE_STATE ${CMAKE_BINARY_DIR}/wine)
set(KADREL_WINE_RUN ${PROJECT_SOURCE_DIR}/scripts/wine-test.sh)

# The keeper holds a window for the whole run: Wine's desktop and clipboard
# live only while some Wine GUI process does.
add_executable(WineKeeper WIN32 harness/WineKeeper.cpp)
target_link_options(WineKeeper PRIVATE -municode)

add_test(NAME wine.setup COMMAND ${KADREL_WINE_RUN} ${KADREL_WINE_STATE} --setup $<TARGET_FILE:WineKeeper>)
add_test(NAME wine.cleanup COMMAND ${KADREL_WINE_RUN} ${KADREL_WINE_STATE} --cleanup)
set_tests_properties(wine.setup PROPERTIES FIXTURES_SETUP wine TIMEOUT 180)
set_tests_properties(wine.cleanup PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)

# Screen, clipboard and input are shared by every Wine test: one at a time.
function(kadrel_wine_test name target)
    add_test(NAME ${name} COMMAND ${KADREL_WINE_RUN} ${KADREL_WINE_STATE} --run $<TARGET_FILE:${target}> ${ARGN})
    set_tests_properties(${name} PROPERTIES
        FIXTURES_REQUIRED wine RESOURCE_LOCK wine_desktop TIMEOUT 600)
endfunction()

kadrel_wine_test(win.portable PortableTests)

# Small image files for the loader tests, written by our own generator.
set(KADREL_FIXTURE_DIR ${CMAKE_BINARY_DIR}/bin/fixtures)
set(KADREL_FIXTURES ${KADREL_FIXTURE_DIR}/pattern.bmp ${KADREL_FIXTURE_DIR}/pattern.gif
                    ${KADREL_FIXTURE_DIR}/pattern.ico ${KADREL_FIXTURE_DIR}/pattern.jpg)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(OUTPUT ${KADREL_FIXTURES}
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/make_image_fixtures.py ${KADREL_FIXTURE_DIR}
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/make_image_fixtures.py
    COMMENT "Writing image fixtures")
add_custom_target(image_fixtures DEPENDS ${KADREL_FIXTURES})

add_executable(WinImagingTests
    win/ImageBitmapTest.cpp
    win/LoaderTest.cpp
    win/FrameworkWinTest.cpp
    win/WinTestUtil.cpp
    win/fixtures.rc
    portable/TestMain.cpp)
target_link_libraries(WinImagingTests PRIVATE KadrelCore GTest::gtest gdi32 user32 ole32 oleaut32 uuid)
target_include_directories(WinImagingTests PRIVATE portable win)
set_source_files_properties(win/fixtures.rc PROPERTIES OBJECT_DEPENDS "${KADREL_FIXTURES}")
target_compile_options(WinImagingTests PRIVATE $<$<COMPILE_LANGUAGE:RC>:-I${KADREL_FIXTURE_DIR}>)
add_dependencies(WinImagingTests image_fixtures)
kadrel_wine_test(win.imaging WinImagingTests)

# The engine on the real screen, clipboard, mouse input and file dialogs.
add_executable(WinEngineTests
    win/EngineHost.cpp
    win/EngineCaptureTest.cpp
    win/EngineDocumentTest.cpp
    win/HookTest.cpp
    win/SaveDialogTest.cpp
    win/WinTestUtil.cpp
    portable/TestMain.cpp)
target_link_libraries(WinEngineTests PRIVATE KadrelCore Hook GTest::gtest gdi32 user32 gdiplus comdlg32)
target_include_directories(WinEngineTests PRIVATE portable win)
add_dependencies(WinEngineTests snap_wav)
kadrel_wine_test(win.engine WinEngineTests)
