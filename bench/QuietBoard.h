#pragma once
// The board the benchmarks' games are played on without a window: it shows nothing.
#include "engine/Board.h"

class QuietBoard : public quoxa::Board {
public:
    void SetDieTag(int, const QString &) override {}
    void ShowFace(int, int) override {}
    void SetHeld(int, bool) override {}
    void ReleaseHolds() override {}
    void RefreshPointers() override {}
    void ShowStatusText() override {}
    void SetThrowButtonFace(const QString &) override {}
    void ShowQuestionMarks(bool) override {}
    void SetUndoEnabled(bool) override {}
    void ShowScoreCell(QStringView, quoxa::Int16) override {}
    void ReopenScoreCell(QStringView) override {}
    void ClearPlayerList() override {}
    void AddPlayerRow(const QString &, const QString &) override {}
    void SelectPlayerRow(int) override {}
    void SetPlayerScore(int, const QString &) override {}
    void ShowCelebration() override {}
    bool SaveScore(const QString &, quoxa::Int16) override { return false; }
    void PlaySound(const QString &) override {}
    void ShowGameEnd(bool) override {}
    void KeepRecord(const quoxa::GameRecord &) override {}
};
