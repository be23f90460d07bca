// What the browser tests and the benchmark share: the built site served
// from loopback by node's own http module, and a browser with a fresh
// profile each time, chosen by MORVANTIS_MOTOR: Debian's chromium (the
// default) or Firefox ESR driven by puppeteer-core (no browser download), or
// WebKitGTK's MiniBrowser through its WebDriver; and the ways of typing
// that every engine can deliver.

import { spawn } from "node:child_process";
import { createHash } from "node:crypto";
import { once } from "node:events";
import { createServer } from "node:http";
import { after, before } from "node:test";
import { mkdtemp, readFile, rm } from "node:fs/promises";
import { tmpdir } from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";
import puppeteer from "puppeteer-core";

const raiz = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../..");
export const SITE = process.env.MORVANTIS_SITE ?? path.join(raiz, "build-web");

const TIPOS = {
  ".html": "text/html; charset=utf-8",
  ".css": "text/css",
  ".js": "text/javascript",
  ".wasm": "application/wasm",
  ".webmanifest": "application/manifest+json",
  ".png": "image/png",
};

// Served as the README tells a static host to: the precompressed copy
// (`.gz` beside the file) to a browser that takes gzip, and every file
// revalidated (no-cache, with an ETag), as the site's names carry no
// version. `mudar(caminho, corpo)` may serve other contents (a new build), or
// take its time (a slow network) and leave them as they are (undefined).
export async function servir({ mudar } = {}) {
  const servidor = createServer(async (pedido, resposta) => {
    const caminho = decodeURIComponent(new URL(pedido.url, "http://x").pathname);
    const arquivo = path.join(SITE, caminho.endsWith("/") ? caminho + "index.html" : caminho);
    if (!arquivo.startsWith(SITE)) {
      resposta.writeHead(403).end();
      return;
    }
    const cabecalhos = {
      "Content-Type": TIPOS[path.extname(arquivo)] ?? "application/octet-stream",
      "Cache-Control": "no-cache",
    };
    try {
      let corpo = await readFile(arquivo);
      const mudado = await mudar?.(caminho, corpo);
      if (mudado !== undefined) {
        corpo = Buffer.from(mudado);
      } else if (/\bgzip\b/.test(pedido.headers["accept-encoding"] ?? "")) {
        try {
          corpo = await readFile(arquivo + ".gz");
          cabecalhos["Content-Encoding"] = "gzip";
          cabecalhos["Vary"] = "Accept-Encoding";
        } catch {
          // no precompressed copy: the file as it is
        }
      }
      const etiqueta = `"${createHash("sha256").update(corpo).digest("base64url").slice(0, 16)}"`;
      cabecalhos["ETag"] = etiqueta;
      if (pedido.headers["if-none-match"] === etiqueta) {
        resposta.writeHead(304, cabecalhos).end();
        return;
      }
      resposta.writeHead(200, cabecalhos);
      resposta.end(corpo);
    } catch {
      resposta.writeHead(404).end();
    }
  });
  await new Promise((pronto) => servidor.listen(0, "127.0.0.1", pronto));
  return {
    url: `http://127.0.0.1:${servidor.address().port}/`,
    fechar: () => new Promise((feito) => { servidor.closeAllConnections(); servidor.close(feito); }),
  };
}

export const MOTOR = process.env.MORVANTIS_MOTOR ?? "chromium";

// A test's options: skipped, saying why, in an engine that cannot deliver
// what it needs.
export const so = (motores, motivo) => (motores.includes(MOTOR) ? {} : { skip: `${MOTOR}: ${motivo}` });
export const COMPOSICAO = so(["chromium"], "compositions come only through chromium's DevTools protocol");

export async function abrirNavegador() {
  if (MOTOR === "webkit") {
    return abrirWebKit();
  }
  const perfil = await mkdtemp(path.join(tmpdir(), `morvantis-${MOTOR}-`));
  const navegador = await puppeteer.launch({ headless: true, userDataDir: perfil, ...(MOTOR === "firefox" ? {
    browser: "firefox",
    executablePath: process.env.FIREFOX ?? "/usr/bin/firefox-esr",
    // Otherwise dead keys lose their accents and Space presses no button.
    extraPrefsFirefox: { "focusmanager.testmode": false },
  } : {
    executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
    // The scroll bars drawn, as a person sees them.
    ignoreDefaultArgs: ["--hide-scrollbars"],
    args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking", "--disable-component-update",
      "--disable-sync", "--disable-quic", "--no-first-run"],
  }) });
  const fechar = navegador.close.bind(navegador);
  navegador.close = async () => { await fechar(); await rm(perfil, { recursive: true, force: true }); };
  return navegador;
}

// WebKitGTK's MiniBrowser on a private Xvfb, driven over W3C WebDriver
// (HTTP, no BiDi): one session at a time (a page a failed test left open
// goes first), and the few page operations the tests use, as puppeteer
// names them.
const TECLAS = { Backspace: "\uE003", Tab: "\uE004", Enter: "\uE007", Shift: "\uE008", Control: "\uE009",
  Escape: "\uE00C", End: "\uE010", Home: "\uE011", Delete: "\uE017" };
async function abrirWebKit() {
  const tela = spawn("Xvfb", ["-displayfd", "3", "-noreset", "-nolisten", "tcp", "-screen", "0", "1600x1400x24"],
    { stdio: ["ignore", "ignore", "ignore", "pipe"] });
  const [numero] = await Promise.race([once(tela.stdio[3], "data"),
    once(tela, "exit").then(() => Promise.reject(new Error("Xvfb did not start")))]);
  const livre = createServer().listen(0, "127.0.0.1");
  const { port } = (await once(livre, "listening"), livre.address());
  livre.close();
  const driver = spawn("WebKitWebDriver", [`--port=${port}`],
    { stdio: "ignore", env: { ...process.env, DISPLAY: `:${numero}`.trim() } });
  const pedir = async (metodo, caminho, corpo) => {
    const { value } = await (await fetch(`http://127.0.0.1:${port}${caminho}`,
      { method: metodo, body: metodo === "POST" ? JSON.stringify(corpo ?? {}) : undefined })).json();
    if (value?.error) throw new Error(`${value.error}: ${value.message}`);
    return value;
  };
  while (!(await pedir("GET", "/status").catch(() => null))?.ready) {
    await new Promise((r) => setTimeout(r, 50));
  }
  const abertas = new Set();
  const fecharTodas = () => Promise.all([...abertas].map((p) => p.close()));
  const novaPagina = async () => {
    await fecharTodas();
    // A device scale is GTK's (GDK_SCALE, whole numbers), fixed as MiniBrowser starts:
    // setViewport with another starts it afresh, so it comes before goto.
    let sessionId, escala;
    const iniciar = async (e) => {
      if (sessionId) await sessao("DELETE", "");
      ({ sessionId } = await pedir("POST", "/session", { capabilities: { alwaysMatch: { "webkitgtk:browserOptions": {
        binary: "/usr/bin/env", args: [`GDK_SCALE=${escala = e}`, "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser",
          "--automation"] } } } }));
    };
    const sessao = (metodo, caminho, corpo) => pedir(metodo, `/session/${sessionId}${caminho}`, corpo);
    await iniciar(1);
    // `f(...args)` run and awaited in the page, its result back as JSON.
    const rodar = (f, ...args) => sessao("POST", "/execute/async", { args, script: `const a = [...arguments];
      const fim = a.pop();
      Promise.resolve().then(() => (${f})(...a)).then((v) => fim([v]), (e) => fim({ erro: String(e) }))` })
      .then((r) => { if (r.erro) throw new Error(r.erro); return r[0]; });
    // `f` given the element(s) that `s` selects.
    const em = (q) => (s, f, ...a) => rodar(`(s, ...a) => (${f})(${q}, ...a)`, s, ...a);
    const acoes = (type, ...actions) => sessao("POST", "/actions", { actions: [{ type, id: type, actions }] });
    const teclas = (...tipos) => (t) => acoes("key", ...tipos.map((type) => ({ type, value: TECLAS[t] ?? t })));
    const pagina = {
      goto: (url) => sessao("POST", "/url", { url }),
      reload: () => sessao("POST", "/refresh"),
      evaluate: rodar,
      $eval: em("document.querySelector(s)"),
      $$eval: em("[...document.querySelectorAll(s)]"),
      $: (s) => pagina.$eval(s, (e) => (e ? true : null)),
      focus: (s) => pagina.$eval(s, (e) => e.focus()),
      click: async (s) => sessao("POST", `/element/${Object.values(await sessao("POST", "/element",
        { using: "css selector", value: s }))[0]}/click`),
      waitForFunction: (f, opcoes, ...a) => rodar(`async (...a) => {
        while (!(await (${f})(...a))) await new Promise((r) => setTimeout(r, 10)); }`, ...a),
      waitForSelector: (s, { hidden } = {}) => pagina.waitForFunction((s, h) =>
        (h ? !document.querySelector(s)?.getClientRects().length : document.querySelector(s)), {}, s, hidden),
      keyboard: { down: teclas("keyDown"), up: teclas("keyUp"), press: teclas("keyDown", "keyUp"),
        type: async (texto) => { for (const c of texto) await pagina.keyboard.press(c); } },
      mouse: { click: (x, y) => acoes("pointer", { type: "pointerMove", x: Math.round(x), y: Math.round(y) },
        { type: "pointerDown", button: 0 }, { type: "pointerUp", button: 0 }) },
      // Once the page has drawn its last change.
      screenshot: () => rodar(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))))
        .then(() => sessao("GET", "/screenshot")),
      // The window is its tool bar and the page; at least 447 px wide.
      setViewport: async ({ width, height, deviceScaleFactor = 1 }) => {
        if (deviceScaleFactor !== escala) await iniciar(deviceScaleFactor);
        const [l, a] = await rodar(() => [outerWidth - innerWidth, outerHeight - innerHeight]);
        await sessao("POST", "/window/rect", { width: width + l, height: height + a });
      },
      close: async () => { abertas.delete(pagina); await sessao("DELETE", ""); },
    };
    abertas.add(pagina);
    return pagina;
  };
  return {
    newPage: novaPagina,
    createBrowserContext: async () => ({ newPage: novaPagina, close: fecharTodas }),
    close: async () => { await fecharTodas(); driver.kill(); tela.kill(); },
  };
}

// The ways of typing that every engine delivers. Chromium's go through its
// DevTools protocol, one session a page.
const sessoes = new WeakMap();
export const cdp = async (pagina) =>
  sessoes.get(pagina) ?? sessoes.set(pagina, await pagina.createCDPSession()).get(pagina);

// Text inserted at once with no keys, as a soft keyboard's letter or word:
// chromium's Input.insertText; elsewhere the insertText command (puppeteer's
// sendCharacter), which brings WebKit's page a beforeinput and Firefox's
// only the input.
export async function inserir(pagina, texto) {
  if (MOTOR === "chromium") {
    await (await cdp(pagina)).send("Input.insertText", { text: texto });
  } else {
    await pagina.evaluate((t) => document.execCommand("insertText", false, t), texto);
  }
}

// Each character of `texto` inserted on its own.
export async function inserirCada(pagina, texto) {
  for (const c of texto) await inserir(pagina, c);
}

// A hardware key that types `c`.
export async function teclar(pagina, c) {
  if (MOTOR !== "chromium") {
    return pagina.keyboard.type(c);
  }
  await (await cdp(pagina)).send("Input.dispatchKeyEvent", { type: "keyDown", key: c, text: c, unmodifiedText: c });
  await (await cdp(pagina)).send("Input.dispatchKeyEvent", { type: "keyUp", key: c });
}

// A key with its modifiers held, as "Control+Backspace".
export async function tecla(pagina, combinacao, opcoes) {
  const modificadores = combinacao.split("+");
  const ultima = modificadores.pop();
  for (const m of modificadores) await pagina.keyboard.down(m);
  await pagina.keyboard.press(ultima, opcoes);
  for (const m of modificadores.reverse()) await pagina.keyboard.up(m);
}

// Ctrl+V with `texto` on the clipboard. WebKit lets no script write there:
// Ctrl+C copies it from a field beside the focused one (in its modal window).
export async function colar(pagina, texto) {
  if (MOTOR === "webkit") {
    await pagina.evaluate((t) => {
      const [foco, campo] = [document.activeElement, document.createElement("textarea")];
      foco.after(Object.assign(campo, { value: t }));
      campo.focus();
      campo.select();
      window.voltar = () => { campo.remove(); foco.focus(); };
    }, texto);
    await tecla(pagina, "Control+c");
    await pagina.evaluate(() => window.voltar());
  } else {
    await pagina.evaluate((t) => navigator.clipboard.writeText(t), texto);
  }
  // Chromium's headless shell binds no key to paste: the key says what it does.
  await tecla(pagina, "Control+v", { commands: ["paste"] });
}

// The site's server and a browser, started before a file's tests and
// stopped after them.
export function servidorENavegador() {
  const ambiente = {};
  before(async () => {
    ambiente.servidor = await servir();
    ambiente.navegador = await abrirNavegador();
  });
  after(async () => {
    await ambiente.navegador?.close();
    await ambiente.servidor?.fechar();
  });
  return ambiente;
}

// A page at the entry window, ready to play: once loaded, or with `ate`
// "domcontentloaded" while its pictures may still be on their way.
export async function abrir(navegador, url, viewport = { width: 1024, height: 768 }, ate = "load") {
  const pagina = await navegador.newPage();
  await pagina.setViewport(viewport);
  await pagina.goto(url, { waitUntil: ate });
  await pagina.waitForSelector("html[data-pronto]");
  return pagina;
}

// MiniBrowser's windows are never narrower than 447 px: still a phone's
// layout, which the page gives below 660 px.
export const CELULAR = { width: MOTOR === "webkit" ? 447 : 360, height: 740, isMobile: true, hasTouch: true,
  deviceScaleFactor: 2 };

export const controle = (nome) => `[data-nome="${nome}"]`;
export const PERGUNTA = `${controle("TxtPergunta")} input`;
// What a text field holds: the question box's unless told.
export const valor = (pagina, campo = PERGUNTA) => pagina.$eval(campo, (e) => e.value);

// Once the page's service worker has installed and controls it.
export const instalada = (pagina) => pagina.evaluate(async () => {
  await navigator.serviceWorker.ready;
  if (!navigator.serviceWorker.controller) {
    await new Promise((r) => navigator.serviceWorker.addEventListener("controllerchange", r, { once: true }));
  }
});

// From the entry window into the oracle's window, the focus in the question
// box.
export async function entrar(pagina) {
  await pagina.click(controle("CmdEntrar"));
  await pagina.waitForSelector(`dialog${controle("FrmMain")}[open]`);
  await pagina.focus(PERGUNTA);
}

// A fresh context (pastes allowed) at the oracle's window, the focus in the
// question box.
export async function noOraculo(ambiente, viewport) {
  const contexto = await ambiente.navegador.createBrowserContext();
  if (MOTOR === "chromium") {
    await contexto.overridePermissions(ambiente.servidor.url, ["clipboard-read", "clipboard-sanitized-write"]);
  }
  const pagina = await abrir(contexto, ambiente.servidor.url, viewport);
  await entrar(pagina);
  return { contexto, pagina };
}

// What the audience can see of the question box: the text of each of its
// parts that is drawn.
export function textoVisivel(pagina) {
  return pagina.$eval(controle("TxtPergunta"), (caixa) =>
    [...caixa.querySelectorAll("input, .painel")]
      .filter((e) => {
        const s = getComputedStyle(e);
        return s.display !== "none" && s.visibility !== "hidden" && Number(s.opacity) > 0;
      })
      .map((e) => (e.tagName === "INPUT" ? e.value : e.textContent)));
}

// Asks, and waits for the reveal to end.
export async function perguntar(pagina) {
  await pagina.click(controle("CmdPergunta"));
  await pagina.waitForSelector(`${controle("CmdNova")}:not([disabled])`);
  return valor(pagina, controle("TxtResposta"));
}
