# The game's window over SDL2: the window with its GL context, the 10 ms
# timer, the event loop and the input mapping, the message box, the stop
# signals. Included from platform/CMakeLists.txt.
find_package(SDL2 REQUIRED)
find_package(OpenGL REQUIRED)

# Turning SDL's events into the window's, and the timer's schedule: no SDL
# calls, only its event records, so the tests take them without a display.
add_library(quorvil_platform_input STATIC
  ${CMAKE_CURRENT_LIST_DIR}/sdl_input.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tick_schedule.cpp
)
target_include_directories(quorvil_platform_input PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(quorvil_platform_input PUBLIC SDL2::SDL2)

# The rest of the window: it talks to the display and draws with the
# system's OpenGL.
add_library(quorvil_platform_window STATIC
  ${CMAKE_CURRENT_LIST_DIR}/sdl_session.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sdl_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sdl_timer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sdl_event_loop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sdl_message_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/stop_signals.cpp
  ${CMAKE_CURRENT_LIST_DIR}/quiet_sound.cpp
)
target_link_libraries(quorvil_platform_window PUBLIC quorvil_platform_input OpenGL::GL)
