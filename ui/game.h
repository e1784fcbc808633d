// One running game: the state, the main window's view fields, and the
// services the handlers reach the window and the sound player through.
#pragma once

#include "assets/resource_catalog.h"
#include "model/game_state.h"
#include "ui/form_host.h"

namespace quorvil {

struct ViewFields {
  float viewTilt = 0.0f;  // degrees, turn about x
  float viewSpin = 0.0f;  // degrees, turn about z
  float panX = 0.0f;
  float panY = 0.0f;
  float viewDistance = 0.0f;
};

struct Game {
  Game(FormHost& form, SoundSink& sound, const ResourceCatalog& resources);

  GameState state;
  ViewFields view;    // 0 until the window is constructed
  float lastMouseX = 0.0f;
  float lastMouseY = 0.0f;
  FormHost& form;
  SoundSink& sound;
  const ResourceCatalog& resources;
};

}  // namespace quorvil
