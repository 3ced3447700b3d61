// photo_picker_web.js -- the browser's side of engine/photo_picker_web.cpp:
// photos chosen in the file picker or dropped on the page are decoded by the
// browser (which turns them as their EXIF orientation says), reduced to at
// most PHOTO_SIDE pixels a side, and written as PNG into the pictures folder
// of the game's file system, where the panel reads them as the desktop reads
// a player's folder. Each batch, once written, counts as one arrival.
mergeInto(LibraryManager.library, {
  $photos: {
    PHOTO_SIDE: 2048,
    KEEP_UNREAD: 64 << 20,
    folder: '',
    arrivals: 0,
    // A name in the folder for the file: its own, as PNG (or with its own
    // ending, ext ''), numbered when taken.
    name: function(file, ext) {
      var own = file.name.replace(/\//g, '_');
      var stem = (ext === '' ? own : own.replace(/\.[^.]*$/, '')) || 'photo', end = ext === '' ? '' : '.png';
      var name = stem + end;
      for (var n = 2; FS.analyzePath(photos.folder + '/' + name).exists; n++)
        name = stem + ' (' + n + ')' + end;
      return name;
    },
    one: function(file) {
      return createImageBitmap(file).then(function(bitmap) {
        var scale = Math.min(1, photos.PHOTO_SIDE / Math.max(bitmap.width, bitmap.height));
        var canvas = document.createElement('canvas');
        canvas.width = Math.max(1, Math.round(bitmap.width * scale));
        canvas.height = Math.max(1, Math.round(bitmap.height * scale));
        canvas.getContext('2d').drawImage(bitmap, 0, 0, canvas.width, canvas.height);
        bitmap.close();
        return new Promise(function(done) { canvas.toBlob(done, 'image/png'); });
      }).then(function(blob) {
        return blob.arrayBuffer();
      }).then(function(bytes) {
        FS.mkdirTree(photos.folder);
        FS.writeFile(photos.folder + '/' + photos.name(file), new Uint8Array(bytes));
      }).catch(function(e) {
        // Kept as it came (unless huge), so that the panel names it among
        // the pictures passed over, with the game's own reason.
        console.warn('photo ' + file.name + ': the browser cannot read it (' + e + ')');
        if (file.size > photos.KEEP_UNREAD)
          return;
        return file.arrayBuffer().then(function(bytes) {
          FS.mkdirTree(photos.folder);
          FS.writeFile(photos.folder + '/' + photos.name(file, ''), new Uint8Array(bytes));
        });
      });
    },
    // One file after another, so that a large batch holds one photo's pixels at a time.
    add: function(files) {
      var list = Array.prototype.filter.call(files, function(f) { return f.type.indexOf('image/') === 0 || !f.type; });
      if (!list.length) return;
      list.reduce(function(done, file) { return done.then(function() { return photos.one(file); }); },
        Promise.resolve()).then(function() { photos.arrivals++; });
    },
  },
  $photos__deps: ['$FS'],

  photos_start__deps: ['$photos'],
  photos_start: function(folderPtr) {
    photos.folder = UTF8ToString(folderPtr);
    var target = document.body;
    target.addEventListener('dragover', function(e) { e.preventDefault(); });
    target.addEventListener('drop', function(e) {
      e.preventDefault();
      photos.add(e.dataTransfer.files);
    });
  },

  photos_open__deps: ['$photos'],
  photos_open: function() {
    var input = document.createElement('input');
    input.type = 'file';
    input.multiple = true;
    input.accept = 'image/*';
    input.onchange = function() { photos.add(input.files); };
    input.click();
  },

  photos_arrived__deps: ['$photos'],
  photos_arrived: function() {
    return photos.arrivals;
  },
});
