// The browser build's benchmark (make bench-web; docs/performance.md): the
// size of the .wasm and its loader, the time from navigation to a page ready
// to play in headless chromium, and the reveal's pace. Prints a table and
// writes every figure as {median, min, max} (with target and met) to --out.

import { mkdir, readFile, writeFile } from "node:fs/promises";
import path from "node:path";
import { gzipSync } from "node:zlib";
import { CELULAR, PERGUNTA, SITE, abrir, abrirNavegador, controle, entrar, servir } from "../tests/web/pagina.mjs";

const opcao = (nome, padrao) => {
  const i = process.argv.indexOf(nome);
  return i >= 0 ? process.argv[i + 1] : padrao;
};
const RODADAS = Number(opcao("--runs", 15));
const SAIDA = opcao("--out", null);
const RESPOSTA = "não é o que você pensa, é ainda pior: ação à vista já, maçã!";

const resumo = (valores) => {
  const v = [...valores].sort((a, b) => a - b);
  const meio = v.length >> 1;
  return { median: v.length % 2 ? v[meio] : (v[meio - 1] + v[meio]) / 2, min: v[0], max: v[v.length - 1] };
};

const figuras = {};
const medir = (nome, valores, alvo) => {
  figuras[nome] = resumo(valores);
  if (alvo) {
    figuras[nome].target = alvo.texto;
    figuras[nome].met = alvo.ok(figuras[nome].median);
  }
};

// Sizes, in bytes.
const tamanhos = {};
for (const arquivo of ["morvantis.wasm", "morvantis.js"]) {
  const dados = await readFile(path.join(SITE, arquivo));
  tamanhos[arquivo] = { bruto: dados.length, gzip: gzipSync(dados, { level: 9 }).length };
}
const gzipKB = (tamanhos["morvantis.wasm"].gzip + tamanhos["morvantis.js"].gzip) / 1024;
medir("wasm_kb", [tamanhos["morvantis.wasm"].bruto / 1024]);
medir("wasm_gzip_kb", [tamanhos["morvantis.wasm"].gzip / 1024]);
medir("loader_kb", [tamanhos["morvantis.js"].bruto / 1024]);
medir("loader_gzip_kb", [tamanhos["morvantis.js"].gzip / 1024]);
medir("wasm_loader_gzip_kb", [gzipKB], { texto: "<= 64", ok: (v) => v <= 64 });

const servidor = await servir();
const navegador = await abrirNavegador();
try {
  // Each load in a fresh context: nothing cached, no service worker yet.
  const prontos = [];
  for (let i = 0; i <= RODADAS; i++) {
    const contexto = await navegador.createBrowserContext();
    const pagina = await abrir(contexto, servidor.url, CELULAR);
    const pronto = await pagina.evaluate(() => performance.getEntriesByName("morvantis-pronto")[0].startTime);
    if (i > 0) {
      prontos.push(pronto);  // the first load warms chromium up
    }
    await contexto.close();
  }
  medir("ready_ms", prontos, { texto: "<= 200", ok: (v) => v <= 200 });

  // The reveal: a 60-character secret, then each growth of the answer box
  // stamped from inside the page, from the click on Perguntar.
  const contexto = await navegador.createBrowserContext();
  const pagina = await abrir(contexto, servidor.url);
  await entrar(pagina);
  const sessao = await pagina.createCDPSession();
  const totais = [];
  const intervalos = [];
  for (let i = 0; i < RODADAS; i++) {
    await pagina.focus(PERGUNTA);
    for (const c of ";" + RESPOSTA) {
      await sessao.send("Input.insertText", { text: c });
    }
    await pagina.keyboard.press("Enter");
    await sessao.send("Input.insertText", { text: " quanto?" });
    const marcas = await pagina.evaluate(async (resposta, pergunta, tamanho) => {
      const caixa = document.querySelector(resposta);
      const valor = Object.getOwnPropertyDescriptor(HTMLTextAreaElement.prototype, "value");
      const vistas = [];
      let fim;
      const acabou = new Promise((r) => { fim = r; });
      Object.defineProperty(caixa, "value", {
        configurable: true,
        get() { return valor.get.call(this); },
        set(v) {
          valor.set.call(this, v);
          vistas.push(performance.now());
          if (v.length >= tamanho) fim();
        },
      });
      const inicio = performance.now();
      document.querySelector(pergunta).click();
      await acabou;
      delete caixa.value;
      return vistas.map((t) => t - inicio);
    }, controle("TxtResposta"), controle("CmdPergunta"), RESPOSTA.length);
    totais.push(marcas[marcas.length - 1]);
    intervalos.push(...marcas.slice(1).map((t, j) => t - marcas[j]));
    await pagina.click(controle("CmdNova"));
  }
  const ordenados = [...intervalos].sort((a, b) => a - b);
  medir(`reveal_${RESPOSTA.length}_ms`, totais, { texto: "600 +- 3 %", ok: (v) => Math.abs(v - 600) <= 18 });
  medir("reveal_p95_tick_ms", [ordenados[Math.floor(ordenados.length * 0.95)]]);
  await contexto.close();
} finally {
  await navegador.close();
  await servidor.fechar();
}

console.log(`figure                      median        min        max   target   (${RODADAS} runs)`);
for (const [nome, f] of Object.entries(figuras)) {
  const n = (v) => v.toFixed(2).padStart(10);
  const alvo = f.target ? `   ${f.target}  ${f.met ? "ok" : "MISSED"}` : "";
  console.log(`${nome.padEnd(24)}${n(f.median)} ${n(f.min)} ${n(f.max)}${alvo}`);
}
if (SAIDA) {
  await mkdir(path.dirname(SAIDA), { recursive: true });
  await writeFile(SAIDA, JSON.stringify(figuras, null, 2) + "\n");
}
process.exitCode = Object.values(figuras).every((f) => f.met !== false) ? 0 : 1;
