#pragma once
// The program's own addresses on the web and for mail, and the outside projects the about
// box links to. One place, so a move of the site is one edit.

inline constexpr char projectWebPage[] = "https://zandolin.org/";
inline constexpr char projectDownloadPage[] = "https://zandolin.org/download";
inline constexpr char contactEmailAddress[] = "zandolin@zandolin.org";

inline constexpr char editorComponentWebPage[] = "https://www.scintilla.org/";
inline constexpr char aviSynthWebDomain[] = "avisynth.nl";
inline constexpr char aviSynthWebPage[] = "http://avisynth.nl/";
