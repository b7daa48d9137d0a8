// Starts the page's view. The view's script (emscripten's runtime and embind) and its
// WebAssembly are inside the page, each gzip-compressed in base64 in a data block that no browser
// runs (web/assemble_page.py); they are unpacked from there, with no request of any kind. And
// only once the page's first frames are out: the controls are in the markup already, so the page
// shows at once, and reading, compiling and starting the view hold back neither the first frame
// nor the one after it that shows it painted. A page in a background tab gets no frames, so it
// starts after a while anyway.
(() => {
  const unpack = (id) => {
    const packed = atob(document.getElementById(id).textContent);
    const bytes = new Uint8Array(packed.length);
    for (let k = 0; k < packed.length; ++k) bytes[k] = packed.charCodeAt(k);
    return new Response(new Blob([bytes]).stream().pipeThrough(new DecompressionStream("gzip")));
  };
  let started = false;
  const start = () => {
    if (started) return;
    started = true;
    const wasm = unpack("view-wasm").arrayBuffer();
    unpack("view-script").text().then((runtime) => {
      // What the runtime reads of Module: the hook that compiles the WebAssembly unpacked here.
      globalThis.Module = {
        instantiateWasm: (imports, receive) => {
          wasm.then((bytes) => WebAssembly.instantiate(bytes, imports))
              .then((output) => receive(output.instance));
          return {};
        },
      };
      const script = document.createElement("script");
      script.textContent = runtime;
      document.body.append(script);
    });
  };
  requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(start)));
  setTimeout(start, 500);
})();
