// storage_web.js -- the browser's side of engine/storage_web.cpp: the game's
// files kept in IndexedDB (database "CryptSLIDERS", store "files", a file's
// path its key and its bytes the value), read into the game's file system
// before it starts and written back each time the game saves one.
mergeInto(LibraryManager.library, {
  $storage: {
    open: function(then) {
      var request;
      try {
        request = indexedDB.open('CryptSLIDERS', 1);
      } catch (e) {
        then(null);  // no storage in this page (a private window may refuse it)
        return;
      }
      request.onupgradeneeded = function() { request.result.createObjectStore('files'); };
      request.onsuccess = function() { then(request.result); };
      request.onerror = function() { console.warn('storage: ' + request.error); then(null); };
    },
    // Before main: every stored file into the file system, the game waiting.
    load: function() {
      addRunDependency('storage');
      storage.open(function(db) {
        storage.db = db;
        if (!db) { removeRunDependency('storage'); return; }
        var files = db.transaction('files', 'readonly').objectStore('files');
        var cursor = files.openCursor();
        cursor.onsuccess = function() {
          var c = cursor.result;
          if (!c) { removeRunDependency('storage'); return; }
          try { FS.writeFile(c.key, c.value); } catch (e) { console.warn('storage: ' + c.key + ': ' + e); }
          c.continue();
        };
        cursor.onerror = function() { console.warn('storage: ' + cursor.error); removeRunDependency('storage'); };
      });
    },
  },
  $storage__deps: ['$FS'],
  $storage__postset: 'addOnPreRun(storage.load);',

  storage_put__deps: ['$storage'],
  storage_put: function(pathPtr, merge) {
    var path = UTF8ToString(pathPtr);
    if (!storage.db)
      return;
    // One read-write transaction: no other tab's save on this store runs
    // between the read of its copy and the write of the merged file.
    var files = storage.db.transaction('files', 'readwrite').objectStore('files');
    var put = function() {
      try { files.put(FS.readFile(path), path); } catch (e) { console.warn('storage: ' + path + ': ' + e); }
    };
    if (!merge) { put(); return; }
    var stored = files.get(path);
    stored.onsuccess = function() {
      if (stored.result) {
        FS.writeFile(path, stored.result);
        if (!_storage_merge(merge))
          console.warn('storage: ' + path + ' could not be merged');
      }
      put();
    };
  },
});
