// What the browser tests and the benchmark share: the built site served
// from loopback by node's own http module, and Debian's chromium driven by
// puppeteer-core (no browser download) with a fresh profile each time.

import { createHash } from "node:crypto";
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
  ".webp": "image/webp",
  ".gif": "image/gif",
  ".bmp": "image/bmp",
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

export async function abrirNavegador() {
  const perfil = await mkdtemp(path.join(tmpdir(), "morvantis-chromium-"));
  const navegador = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
    headless: true,
    userDataDir: perfil,
    args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking", "--disable-component-update",
      "--disable-sync", "--disable-quic", "--no-first-run"],
  });
  const fechar = navegador.close.bind(navegador);
  navegador.close = async () => { await fechar(); await rm(perfil, { recursive: true, force: true }); };
  return navegador;
}

// A page at the entry window, ready to play.
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

export async function abrir(navegador, url, viewport = { width: 1024, height: 768 }) {
  const pagina = await navegador.newPage();
  await pagina.setViewport(viewport);
  await pagina.goto(url);
  await pagina.waitForSelector("html[data-pronto]");
  return pagina;
}

export const CELULAR = { width: 360, height: 740, isMobile: true, hasTouch: true, deviceScaleFactor: 2 };

export const controle = (nome) => `[data-nome="${nome}"]`;
export const PERGUNTA = `${controle("TxtPergunta")} input`;

// From the entry window into the oracle's window, the focus in the question
// box.
export async function entrar(pagina) {
  await pagina.click(controle("CmdEntrar"));
  await pagina.waitForSelector(`dialog${controle("FrmMain")}[open]`);
  await pagina.focus(PERGUNTA);
}

// A fresh context (pastes allowed) at the oracle's window, the focus in the
// question box, and a DevTools session to type through.
export async function noOraculo(ambiente, viewport) {
  const contexto = await ambiente.navegador.createBrowserContext();
  await contexto.overridePermissions(ambiente.servidor.url, ["clipboard-read", "clipboard-sanitized-write"]);
  const pagina = await abrir(contexto, ambiente.servidor.url, viewport);
  await entrar(pagina);
  return { contexto, pagina, sessao: await pagina.createCDPSession() };
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
  return pagina.$eval(controle("TxtResposta"), (e) => e.value);
}
