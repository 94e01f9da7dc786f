#pragma once
// The program's public addresses, and the outside projects the about box links to, kept in
// one place.
constexpr const char* projectWebPage = "https://zandolin.org/";
constexpr const char* projectDownloadPage = "https://zandolin.org/download";
constexpr const char* contactEmailAddress = "zandolin@zandolin.org";
constexpr const char* aviSynthWebPage = "http://avisynth.nl/";
constexpr const char* aviSynthWebDomain = "avisynth.nl";
constexpr const char* editorComponentWebPage = "https://www.scintilla.org/";
