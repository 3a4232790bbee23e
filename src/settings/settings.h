#pragma once

#include <QString>

#include <array>

constexpr int DefinedTagCount = 10;
constexpr int FtpSlotCount = 10;
// The sizes the configuration dialog offers for the editor font.
constexpr int MinFontSize = 8;
constexpr int MaxFontSize = 18;

struct DefinedTag
{
    QString DefTitle;
    QString DefOpen;
    QString DefClose;
    int DefBack = 0;
    int DefStat = 1;
};

struct FtpSlot
{
    QString FTPHost;
    QString FTPName;
    QString FTPPass;
    QString FTPNick;
};

// Every persisted preference. Field names are the names of the stored values.
struct Settings
{
    int Lang = 0; // 1 English, 2 Danish, 3 German, 0 not chosen yet
    int FontSize = 10;
    bool Color = true;
    bool Tags = false;
    bool AutoSave = false;
    bool WordWrap = true;
    bool LineNumbers = false; // kept in the store only, not in settings files
    QString OpenDir;
    QString SaveDir;
    QString TextDir;
    QString FontType = QStringLiteral("Arial");
    bool TagsInstalled = false;
    int AntCon = 0;
    std::array<DefinedTag, DefinedTagCount> DefinedTags;
    std::array<FtpSlot, FtpSlotCount> Ftp;

    // The starting directories default to the user's home.
    Settings();
};

// The program's one settings record, the working copy every window reads.
Settings &settings();
