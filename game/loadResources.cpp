#include "loadResources.h"

#include <iostream>
#include <string>
#include <vector>

#include <vl/vl.h>

namespace {

enum class AssetKind { Sprite, Sound, Music };

struct Asset {
    AssetKind kind;
    const char* label;
    const char* file;
};

// Every asset of the game, in load order. Files are relative to the working
// directory.
constexpr Asset kManifest[] = {
    {AssetKind::Sprite, "player", "sprites/player-spr.txt"},
    {AssetKind::Sprite, "bullet", "sprites/bullet-spr.txt"},
    {AssetKind::Sprite, "enemybullet", "sprites/enemybullet-spr.txt"},
    {AssetKind::Sprite, "sniper", "sprites/sniperturret-spr.txt"},
    {AssetKind::Sprite, "three", "sprites/threeturret-spr.txt"},
    {AssetKind::Sprite, "machine", "sprites/machineturret-spr.txt"},
    {AssetKind::Sprite, "zombie", "sprites/zombie-spr.txt"},
    {AssetKind::Sprite, "gamestart", "sprites/gamestart-spr.txt"},
    {AssetKind::Sprite, "gameover", "sprites/gameover-spr.txt"},
    {AssetKind::Sprite, "gamewin", "sprites/gamewin-spr.txt"},
    {AssetKind::Sound, "gunshot", "sounds/gunshot.wav"},
    {AssetKind::Sound, "zombie", "sounds/zombie.wav"},
    {AssetKind::Sound, "pew", "sounds/pew.wav"},
    {AssetKind::Music, "music", "music/music.wav"},
};

// One line for an asset with problems: the first problem, which is the one to
// mend first, and how many more there are.
void reportProblems(const vl::ProblemList& problems) {
    if (problems.empty()) {
        return;
    }
    std::cerr << "velloc: " << vl::formatProblem(problems.getProblems().front());
    if (problems.getCount() > 1) {
        std::cerr << " (and " << problems.getCount() - 1 << " more)";
    }
    std::cerr << '\n';
}

}  // namespace

void loadResources() {
    vl::ResourceManager& resources = vl::ResourceManager::getInstance();
    for (const Asset& asset : kManifest) {
        switch (asset.kind) {
            case AssetKind::Sprite:
                resources.loadSprite(asset.file, asset.label);
                break;
            case AssetKind::Sound:
                resources.loadSound(asset.file, asset.label);
                break;
            case AssetKind::Music:
                resources.loadMusic(asset.file, asset.label);
                break;
        }
        reportProblems(resources.getLoadProblems());
    }
}

std::vector<std::string> assetFiles() {
    std::vector<std::string> files;
    for (const Asset& asset : kManifest) {
        files.emplace_back(asset.file);
    }
    return files;
}
