#pragma once

// The whole game: its objects and its asset manifest.

#include "Bullet.h"
#include "EndScreen.h"
#include "GameOver.h"
#include "GameStart.h"
#include "GameWin.h"
#include "Level.h"
#include "Player.h"
#include "Reticle.h"
#include "Score.h"
#include "Timer.h"
#include "Turret.h"
#include "Zombie.h"
#include "enemyHit.h"
#include "loadResources.h"
#include "startGame.h"
