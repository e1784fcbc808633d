# The game's window over SDL2: the window with its GL context, the 10 ms
# timer, the event loop and the input mapping, the message box, the stop
# signals, and the sound player. Included from platform/CMakeLists.txt.
find_package(SDL2 REQUIRED)
find_package(SDL2_mixer REQUIRED)
find_package(OpenGL REQUIRED)
find_package(Threads REQUIRED)

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
)
target_link_libraries(quorvil_platform_window PUBLIC quorvil_platform_input quorvil_platform_sound
  OpenGL::GL)

# The sound player over SDL2_mixer, with the WAVE reader and the careful
# file reading it plays the optional sound file through. It needs no
# display: the tests play it through SDL's disk audio driver.
add_library(quorvil_platform_sound STATIC
  ${CMAKE_CURRENT_LIST_DIR}/sdl_sound.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wave_data.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alsa_quiet.cpp
)
target_include_directories(quorvil_platform_sound PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(quorvil_platform_sound
  PRIVATE SDL2::SDL2 SDL2_mixer::SDL2_mixer Threads::Threads ${CMAKE_DL_LIBS})
