#pragma once

#include "engine/Game.h"
#include "engine/HeadlessPort.h"
#include "engine/KeepVisit.h"
#include "scenario/Options.h"
#include "support/TestGame.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace marovane::test {

// A port that also counts what the rules asked the window to do.
class TestPort : public HeadlessPort {
public:
    void Beep() override { ++Beeps; }
    void ShowKeep(KeepVisit& visit) override {
        ++KeepVisits;
        HeadlessPort::ShowKeep(visit);
    }
    void Highlight(int x, int y, Rgb colour) override {
        Highlights.push_back({x, y, static_cast<int>(colour)});
    }
    void NoMovesLeft() override { ++NoMovesShown; }
    void ShowUnitPanel(int panel, int x, int y) override { Panels[panel == 0 ? 0 : 1] = {x, y}; }
    // What the window might do while the rules let it run: a hook called once.
    void Wait(double) override { RunOnce(OnWindowEvents); }
    void ProcessEvents() override { RunOnce(OnWindowEvents); }
    std::function<void()> OnWindowEvents;

    int Beeps = 0;
    int KeepVisits = 0;
    int NoMovesShown = 0;
    std::vector<std::array<int, 3>> Highlights;
    // The cell each unit panel last showed; (0, 0) when hidden.
    std::array<std::array<int, 2>, 2> Panels{};

private:
    static void RunOnce(std::function<void()>& hook) {
        if (!hook)
            return;
        auto run = std::move(hook);
        hook = nullptr;
        run();
    }
};

// A game on a small board with an empty board to set up each case on. Subclasses may change
// `specs` before calling Start.
class RulesFixture : public ::testing::Test {
protected:
    static constexpr int16_t Bit(int b) { return static_cast<int16_t>(1 << b); }

    // Starts a game of the definition, then removes every piece so the case can be laid out.
    void Start(const GameDef& def, const NewGameSetup& setup, bool keepPieces = false) {
        game = std::make_unique<Game>(specs, port, 17);
        ASSERT_TRUE(game->NewGame(dir.Write("Rules", def), setup)) << port.Messages.back();
        if (!keepPieces)
            Clear();
        port.Messages.clear();
    }
    void Start(const GameDef& def, int humans) { Start(def, Humans(humans)); }

    void Clear() {
        for (int x = 1; x <= game->BoardWidth; ++x) {
            for (int y = 1; y <= game->BoardHeight; ++y)
                game->SetUnit(x, y, -1, 1);
        }
        game->Update();
    }

    void Put(int x, int y, int type, int player) { game->PlaceUnit(x, y, type, player); }
    int HitPoints(int x, int y) const { return game->BoardUnit(x, y) / 10; }
    int MovesLeft(int x, int y) const { return game->BoardUnit(x, y) % 10; }

    static GameDef CastleDef(int w, int h, bool keeps = true) {
        GameDef def = PlainDef(w, h);
        def.Options = static_cast<int16_t>(def.Options | Bit(option_bit::Castle));
        if (keeps)
            def.Options = static_cast<int16_t>(def.Options & ~Bit(option_bit::NoKeep));
        return def;
    }

    UnitSpecs specs = TestSpecs();
    TestPort port;
    TempDir dir;
    std::unique_ptr<Game> game;
};

} // namespace marovane::test
