// storage.h -- where the files the game writes are kept: on the desktop they
// are on disk once written; in the page each one written is copied into the
// browser's storage, from which the next visit reads them back
// (engine/storage.cpp or engine/storage_web.cpp, chosen by the build)
#pragma once

// Before the first file is read or written.
void storage_start();

// The file at path has just been written. merge, when given, rewrites it from
// what this game holds and what the file holds now: in the page another tab
// may have stored its own copy since this one read it, so that copy is put in
// the file's place and merge called before the result is stored, all in one
// step that no other tab's save can enter.
void storage_saved(const char* path, bool (*merge)() = nullptr);
