// A new build served while the page is open: mid-capture nothing changes,
// and the page moves to it whole at the entry window of the next start.

import { test } from "node:test";
import assert from "node:assert/strict";
import { PERGUNTA, abrirNavegador, controle, entrar, inserir, instalada, perguntar, servir, textoVisivel }
  from "./pagina.mjs";

// The cache names the page's service worker and its site hold.
const caches_ = (pagina) => pagina.evaluate(() => caches.keys());

test("an update arriving during a capture changes nothing until the entry window", async () => {
  // The new build: the same files under another service worker, as a
  // rebuild with any change would give.
  let novo = false;
  const servidor = await servir({
    mudar: (caminho, corpo) => {
      if (novo && caminho === "/sw.js") {
        return corpo.toString().replace(/const CACHE = "morvantis-([0-9a-f]+)"/, 'const CACHE = "morvantis-$1-novo"');
      }
      return undefined;
    },
  });
  const navegador = await abrirNavegador();
  try {
    const pagina = await navegador.newPage();
    await pagina.goto(servidor.url);
    await pagina.waitForSelector("html[data-pronto]");
    await instalada(pagina);
    const [antigo] = await caches_(pagina);

    // A second start, controlled by the old build; into the oracle, and a
    // capture half typed.
    await pagina.reload();
    await pagina.waitForSelector("html[data-pronto]");
    await pagina.evaluate(() => { window.mesmaPagina = true; });
    await entrar(pagina);
    const digitar = (texto) => inserir(pagina, texto);
    await digitar(";");
    await digitar("s");

    // The new build arrives; the page looks for it as it does when shown
    // again, and it installs beside the old one.
    novo = true;
    await pagina.evaluate(async () => {
      const registro = await navigator.serviceWorker.getRegistration();
      await registro.update();
      const instalando = registro.installing;
      if (instalando && instalando.state !== "installed") {
        await new Promise((r) => instalando.addEventListener("statechange", () => {
          if (instalando.state !== "installing") r();
        }));
      }
    });
    assert.equal((await caches_(pagina)).length, 2, "the new build cached beside the old one");

    // The capture goes on as if nothing happened, and the reveal too.
    await digitar("im");
    assert.equal((await textoVisivel(pagina)).join("").length, 3, "three letters of the invocation");
    await pagina.keyboard.press("Enter");
    await digitar(" vai dar certo?");
    assert.equal(await perguntar(pagina), "sim");
    assert.equal(await pagina.evaluate(() => window.mesmaPagina), true, "not reloaded");
    assert.ok(await pagina.evaluate(async () => (await navigator.serviceWorker.getRegistration()).waiting !== null),
      "the new build still waits");
    assert.ok((await caches_(pagina)).includes(antigo), "the old build still serves this page");

    // The next start shows the entry window and moves to the new build,
    // whole: only its cache is left (the old one goes once the new build
    // is active).
    await pagina.goto(servidor.url);
    let visto;
    for (const fim = Date.now() + 15_000; Date.now() < fim;) {
      // The page reloads itself on the way: a look may land in between.
      visto = await pagina.evaluate(async () => ({
        caches: await caches.keys(),
        pronta: document.documentElement.hasAttribute("data-pronto"),
        recarregada: performance.getEntriesByType("navigation")[0].type === "reload",
      })).catch(() => null);
      if (visto?.pronta && visto.recarregada && visto.caches.length === 1) {
        break;
      }
      await new Promise((r) => setTimeout(r, 100));
    }
    assert.deepEqual(visto, { caches: [`${antigo}-novo`], pronta: true, recarregada: true });
    assert.ok(await pagina.$(`dialog${controle("FrmEntrada")}[open]`), "at the entry window");
    assert.equal(await pagina.$(PERGUNTA), null, "the oracle not entered");
  } finally {
    await navegador.close();
    await servidor.fechar();
  }
});
