// The windows as the page shows them: their names for a screen reader, the
// layouts (wide screen, tablet, phone) and the frame, the painting's place
// kept while it loads, the modal help and about windows, "Sair", the
// 200-character limit, and a reload with no server once the page has been
// loaded.

import { test } from "node:test";
import assert from "node:assert/strict";
import { CELULAR, MOTOR, PERGUNTA, abrir, controle, entrar, inserir, instalada, perguntar, servidorENavegador, servir,
  so, tecla, valor } from "./pagina.mjs";

const ambiente = servidorENavegador();

// A fresh context at the entry window, or past it with `noOraculo`.
async function novaPagina(viewport, noOraculo = false) {
  const contexto = await ambiente.navegador.createBrowserContext();
  const pagina = await abrir(contexto, ambiente.servidor.url, viewport);
  if (noOraculo) await entrar(pagina);
  return { contexto, pagina };
}

async function digitarNaCaixa(pagina, texto) {
  await pagina.focus(PERGUNTA);
  await inserir(pagina, texto);
}

// `palavra` asked, which opens the modal window `janela`.
async function abrirJanela(pagina, palavra, janela) {
  await digitarNaCaixa(pagina, palavra);
  await pagina.click(controle("CmdPergunta"));
  await pagina.waitForSelector(`dialog${controle(janela)}:modal`);
}

// Opens each window in turn, as a person would, and hands it to `ver`.
async function cadaJanela(pagina, ver) {
  await ver("FrmEntrada");
  await entrar(pagina);
  await ver("FrmMain");
  for (const [palavra, janela] of [["<ajuda>", "FrmAjuda"], ["<sobre>", "FrmSobre"]]) {
    await abrirJanela(pagina, palavra, janela);
    await ver(janela);
    await pagina.click(`${controle(janela)} ${controle("CmdOK")}`);
    await pagina.waitForSelector(`dialog${controle(janela)}`, { hidden: true });
  }
}

test("screen readers find the boxes and buttons by their desktop names",
  so(["chromium"], "the accessibility tree is read through chromium's DevTools protocol"), async () => {
  const { contexto, pagina } = await novaPagina();
  const achar = async (...nos) => {
    for (const [papel, nome] of nos) assert.ok(await pagina.$(`aria/${nome}[role="${papel}"]`), nome);
  };
  await achar(["button", "Entrar"], ["button", "Sair"]);
  await entrar(pagina);
  await achar(["textbox", "Pergunta"], ["textbox", "Resposta"], ["button", "Perguntar"], ["button", "Nova pergunta"],
    ["button", "Sair"]);
  // The help text, read-only, is named by what it says.
  await abrirJanela(pagina, "<ajuda>", "FrmAjuda");
  const texto = await pagina.$(`${controle("FrmAjuda")} ${controle("Text1")}`);
  const no = await pagina.accessibility.snapshot({ root: texto, interestingOnly: false });
  assert.equal(no.role, "textbox");
  assert.match(no.name, /^Bem, se você acha .* Divirta-se com seus amigos\./s);
  await pagina.click(`${controle("FrmAjuda")} ${controle("CmdOK")}`);
  // The entry window is gone, not hidden: one "Sair" is left.
  assert.equal((await pagina.$$(controle("CmdSair"))).length, 1);
  await contexto.close();
});

// The screen as drawn: the colours of its pixels at `pontos` ([x, y] in
// device pixels) and, with `janela`, how many device pixels of that
// window's pictures are not the picture's own pixel under them (nearest
// neighbour: each a block of `escala` a side).
async function tela(pagina, pontos, janela = "", escala = 1) {
  const png = await pagina.screenshot({ encoding: "base64" });
  return pagina.evaluate(async (png, pontos, seletor, e) => {
    const tela = new Image();
    tela.src = `data:image/png;base64,${png}`;
    await tela.decode();
    const ler = (imagem, w, h, x = 0, y = 0) => {
      const c = Object.assign(document.createElement("canvas"), { width: w, height: h });
      c.getContext("2d").drawImage(imagem, -x, -y);
      return c.getContext("2d").getImageData(0, 0, w, h).data;
    };
    const cores = pontos.map(([x, y]) => `rgb(${[...ler(tela, 1, 1, x, y).slice(0, 3)].join(", ")})`);
    let borradas = 0;
    for (const img of seletor ? document.querySelectorAll(`${seletor} img`) : []) {
      const r = img.getBoundingClientRect();
      const [w, h] = [img.naturalWidth, img.naturalHeight];
      const visto = ler(tela, w * e, h * e, Math.round(r.left) * e, Math.round(r.top) * e);
      const origem = ler(img, w, h);
      for (let i = 0; i < w * e * h * e; ++i) {
        const o = Math.floor(Math.floor(i / (w * e)) / e) * w + Math.floor((i % (w * e)) / e);
        borradas += [0, 1, 2].some((k) => visto[4 * i + k] !== origem[4 * o + k]) ? 1 : 0;
      }
    }
    return { cores, borradas };
  }, png, pontos, janela && `dialog${controle(janela)}`, escala);
}

// At device pixel ratios 2 and 3 too: each ring of the frame that many
// device pixels, each pixel of a picture a whole block of them.
for (const escala of [1, 2, 3]) {
  test(`on a wide screen at ${escala}x every control stands at its place in the window`, async () => {
    const { contexto, pagina } = await novaPagina({ width: 1024, height: 768, deviceScaleFactor: escala });
    await cadaJanela(pagina, async (janela) => {
      // The 3-ring frame: the 3-D light outside and white inside above and
      // to the left, the dark edge outside and grey inside below and to the
      // right, the dark edge owning the top-right and bottom-left corners.
      const { l, t, r, b, cor, centro } = await pagina.$eval(`dialog${controle(janela)}`, (d, e) => {
        const q = d.getBoundingClientRect();
        const raiz = getComputedStyle(document.documentElement);
        const cor = Object.fromEntries(["--luz-3d", "--luz", "--sombra", "--sombra-escura", "--face"]
          .map((v) => [v, raiz.getPropertyValue(v).trim()]));
        const px = (v) => Math.round(v) * e;
        // Centred on a whole pixel, an odd one left over to the right and below.
        const { clientWidth: w, clientHeight: h } = document.documentElement;
        const centro = [q.left - Math.floor((w - q.width) / 2), q.top - Math.floor((h - q.height) / 2)];
        return { l: px(q.left), t: px(q.top), r: px(q.right) - 1, b: px(q.bottom) - 1, cor, centro };
      }, escala);
      assert.deepEqual(centro, [0, 0], `${janela} centred`);
      const cantos = [];
      for (let d = 0; d < escala; ++d) {
        const [i, j, k] = [d, escala + d, 2 * escala + d];
        cantos.push([[l + i, t + i], "--luz-3d"], [[l + j, t + j], "--luz"], [[l + k, t + k], "--face"],
          [[r - i, t + i], "--sombra-escura"], [[l + i, b - i], "--sombra-escura"], [[r - i, b - i], "--sombra-escura"],
          [[r - j, t + j], "--sombra"], [[l + j, b - j], "--sombra"], [[r - j, b - j], "--sombra"],
          [[r - k, b - k], "--face"], [[r - k, t + j], "--luz"], [[l + j, b - k], "--luz"]);
      }
      const { cores, borradas } = await tela(pagina, cantos.map(([p]) => p), janela, escala);
      assert.deepEqual(cores, cantos.map(([, v]) => cor[v]), `${janela} frame`);
      assert.equal(borradas, 0, `${janela} pictures`);
      const fora = await pagina.$eval(`dialog${controle(janela)}`, (d) => {
        const cliente = d.querySelector(".cliente").getBoundingClientRect();
        return [...d.querySelectorAll(".controle")].flatMap((e) => {
          const r = e.getBoundingClientRect();
          const css = (p) => parseFloat(e.style.getPropertyValue(p));
          const medidas = [["x", r.left - cliente.left, css("--x")], ["y", r.top - cliente.top, css("--y")]];
          if (!e.matches(".ajusta, .imagem")) {
            medidas.push(["largura", r.width, css("--l")], ["altura", r.height, css("--a")]);
          }
          return medidas.filter(([, visto, dado]) => Math.abs(visto - dado) > 0.5)
            .map(([m, visto, dado]) => `${e.dataset.nome} ${m} ${visto} != ${dado}`);
        });
      });
      assert.deepEqual(fora, [], janela);
    });
    await contexto.close();
  });
}

// Tab and Shift+Tab go round each window both ways (the answer box handing
// Tab on, and passed over by Shift+Tab), and the focused control alone has
// the white ring around it, on the black ground.
test("Tab and Shift+Tab go round every window both ways with the ring on the focus", async () => {
  const ordem = { FrmEntrada: ["CmdEntrar", "CmdSair"], FrmMain: ["TxtPergunta", "CmdPergunta", "CmdSair"],
    FrmAjuda: ["Text1", "CmdOK"], FrmSobre: ["CmdOK"] };
  const { contexto, pagina } = await novaPagina();
  await cadaJanela(pagina, async (janela) => {
    const nomes = ordem[janela];
    const verMarca = async (focado) => {
      const { ativo, marca, pontos } = await pagina.$eval(`dialog${controle(janela)}`, (d, nomes) => ({
        ativo: document.activeElement.closest("[data-nome]").dataset.nome,
        marca: getComputedStyle(document.documentElement).getPropertyValue("--marca-foco").trim(),
        pontos: nomes.map((n) => d.querySelector(`[data-nome="${n}"]`).getBoundingClientRect())
          .flatMap((r) => [-2, -1].map((x) => [Math.round(r.left) + x, Math.round(r.top + r.height / 2)])),
      }), nomes);
      assert.equal(ativo, focado, janela);
      assert.deepEqual((await tela(pagina, pontos)).cores, nomes.flatMap((n) => [n === focado ? marca : "rgb(0, 0, 0)", "rgb(0, 0, 0)"]),
        `${janela}: the ring around ${focado} alone`);
    };
    await verMarca(nomes[0]);
    for (const passo of [1, -1]) {
      for (let i = 1; i <= nomes.length; ++i) {
        await tecla(pagina, passo < 0 ? "Shift+Tab" : "Tab");
        await verMarca(nomes[((passo * i) % nomes.length + nomes.length) % nomes.length]);
      }
    }
  });
  await contexto.close();
});

// Each engine's own line heights and scroll bars: every text stays in the
// box its window gives it (a label sized to its text, in the area the
// description gives it), and the boxes the descriptions show a scroll bar
// on show one.
test("in every window the text stays in its boxes, and the boxes that scroll show a scroll bar", async () => {
  const { contexto, pagina } = await novaPagina();
  await cadaJanela(pagina, async (janela) => {
    const fora = await pagina.$eval(`dialog${controle(janela)}`, (d) =>
      [...d.querySelectorAll(".rotulo, .botao, textarea, .linha-texto input")].map((e) => {
        const nome = e.closest(".controle").dataset.nome;
        if (e.matches(".barra") && e.offsetWidth - e.clientWidth - 2 * e.clientLeft <= 0) {
          return `${nome} shows no scroll bar`;
        }
        const [altura, caixa] = e.matches(".ajusta") ? [e.offsetHeight, parseFloat(e.style.getPropertyValue("--a"))]
          : [e.scrollHeight, e.clientHeight];
        return altura > caixa ? `${nome} is ${altura} px tall in ${caixa}` : "";
      }).filter(Boolean));
    assert.deepEqual(fora, [], janela);
  });
  await contexto.close();
});

// On a phone each window is one column; a tablet under a finger keeps the
// desktop's layout, enlarged until every tap target is 44 px. Neither
// scrolls sideways.
const TOQUE = [["phone", CELULAR], ...[[768, 1024], [1024, 768], [820, 1180]].map(([width, height]) =>
  [`${width}x${height} touch screen`, { width, height, isMobile: true, hasTouch: true }])];
for (const [nome, viewport] of TOQUE) {
  const celular = viewport === CELULAR;
  test(celular ? "on a phone each window is one column with no sideways scroll and large tap targets"
    : `on a ${nome} the windows keep their look with 44 px targets`,
  celular ? {} : so(["chromium"], "no touch screen to emulate: (any-pointer: coarse) stays false"), async () => {
    const { contexto, pagina } = await novaPagina(viewport);
    await cadaJanela(pagina, async (janela) => {
      const medida = await pagina.$eval(`dialog${controle(janela)}`, (d) => {
        const cliente = d.querySelector(".cliente");
        const controles = [...d.querySelectorAll(".controle")].map((e) => [e, e.getBoundingClientRect()]);
        return {
          largura: Math.max(document.documentElement.scrollWidth, d.scrollWidth, cliente.scrollWidth,
            d.getBoundingClientRect().right),
          pequenos: [...d.querySelectorAll("button, .linha-texto, textarea")]
            .map((e) => [e.closest(".controle").dataset.nome, e.getBoundingClientRect()])
            .filter(([, r]) => r.width < 44 || r.height < 44).map(([n]) => n),
          // Pairs of controls side by side rather than one above the other.
          lado: controles.flatMap(([a, ra], i) => controles.slice(i + 1)
            .filter(([, rb]) => ra.top < rb.bottom - 0.5 && rb.top < ra.bottom - 0.5)
            .map(([b]) => `${a.dataset.nome}|${b.dataset.nome}`)),
          // Each control across at its place, all scaled alike.
          escalas: controles.map(([e, r]) => (r.left - cliente.getBoundingClientRect().left)
            / parseFloat(e.style.getPropertyValue("--x"))).filter(Number.isFinite),
        };
      });
      assert.ok(medida.largura <= viewport.width, `${janela} reaches ${medida.largura} px`);
      assert.deepEqual(medida.pequenos, [], janela);
      if (celular) {
        assert.deepEqual(medida.lado, [], janela);
      } else {
        const [menor, maior] = [Math.min(...medida.escalas), Math.max(...medida.escalas)];
        assert.ok(menor > 1.19 && maior - menor < 0.01, `${janela} scaled ${menor} to ${maior}`);
      }
    });
    await contexto.close();
  });
}

// The painting arrives last on a slow network; the text and buttons beside
// and below it are already where they stay. Held, it holds the page's load
// too whenever the window is built first, so the page is taken at its DOM:
// WebKit's driver runs nothing until the load ends.
const CARGA_SEGURA = so(["chromium", "firefox"], "its WebDriver runs no script while the page's load is held");
for (const [nome, viewport] of [["phone", CELULAR], ["wide screen", undefined]]) {
  test(`on a ${nome} nothing on the entry window moves when the painting arrives`, CARGA_SEGURA, async () => {
    let soltar;
    const chegou = new Promise((r) => { soltar = r; });
    const lento = await servir({ mudar: async (caminho) => { if (/^\/painting\./.test(caminho)) await chegou; } });
    const contexto = await ambiente.navegador.createBrowserContext();
    try {
      const pagina = await abrir(contexto, lento.url, viewport, "domcontentloaded");
      // Chromium's own count of what moved (the other engines keep none).
      await pagina.evaluate(() => {
        window.deslocamentos = [];
        new PerformanceObserver((l) => window.deslocamentos.push(...l.getEntries().map((e) => e.value)))
          .observe({ type: "layout-shift", buffered: true });
      });
      const lugares = () => pagina.$$eval(`${controle("FrmEntrada")} .controle`,
        (es) => es.map((e) => `${e.dataset.nome} ${JSON.stringify(e.getBoundingClientRect())}`));
      const antes = await lugares();
      soltar();
      await pagina.waitForFunction((s) => document.querySelector(s).complete, {}, controle("Image1"));
      await pagina.evaluate(() => new Promise((r) => requestAnimationFrame(() => setTimeout(r, 100))));
      assert.ok(await pagina.$eval(controle("Image1"), (img) => img.naturalWidth > 0), "the painting");
      assert.deepEqual(await lugares(), antes);
      assert.deepEqual(await pagina.evaluate(() => window.deslocamentos), []);
    } finally {
      soltar();
      await contexto.close();
      await lento.fechar();
    }
  });
}

test("with the soft keyboard open the question box and Perguntar stay in view", async () => {
  const { contexto, pagina } = await novaPagina(CELULAR, true);
  await pagina.setViewport({ ...CELULAR, height: 400 });
  for (const nome of ["TxtPergunta", "CmdPergunta"]) {
    const r = await pagina.$eval(controle(nome), (e) => e.getBoundingClientRect().toJSON());
    assert.ok(r.top >= 0 && r.bottom <= 400 && r.left >= 0 && r.right <= CELULAR.width,
      `${nome} at ${JSON.stringify(r)}`);
  }
  await contexto.close();
});

test("help and about are modal: the oracle takes nothing until OK, which empties the question", async () => {
  const { contexto, pagina } = await novaPagina(undefined, true);
  for (const [palavra, janela] of [["<ajuda>", "FrmAjuda"], ["<sobre>", "FrmSobre"], ["<sobre>", "FrmSobre"]]) {
    await abrirJanela(pagina, palavra, janela);
    const dialogo = `dialog${controle(janela)}`;
    await pagina.keyboard.press("Escape");
    // A click on the oracle's Perguntar lands on nothing of the oracle.
    const alvo = await pagina.$eval(controle("CmdPergunta"), (b) => {
      const r = b.getBoundingClientRect();
      const e = document.elementFromPoint(r.left + 2, r.top + 2);
      return e.closest("dialog")?.dataset.nome ?? e.tagName;
    });
    assert.notEqual(alvo, "FrmMain");
    assert.ok(await pagina.$(`${dialogo}:modal`), `${janela} still open after Escape`);
    await pagina.click(`${dialogo} ${controle("CmdOK")}`);
    await pagina.waitForSelector(dialogo, { hidden: true });
    assert.equal(await valor(pagina), "");
  }
  // Nothing else changed: an ask still answers.
  await digitarNaCaixa(pagina, "e agora?");
  assert.ok((await perguntar(pagina)).length > 0);
  await contexto.close();
});

test("Sair leaves no window and asks the browser to close the page, from either window", async () => {
  for (const entrarAntes of [false, true]) {
    const { contexto, pagina } = await novaPagina(undefined, entrarAntes);
    // Recorded rather than done, so the page can be looked at afterwards.
    await pagina.evaluate(() => { window.close = () => { window.pediuFechar = true; }; });
    await pagina.click(controle("CmdSair"));
    const fim = await pagina.evaluate(() => ({
      abertas: document.querySelectorAll("dialog[open]").length,
      encerrado: document.body.classList.contains("encerrado"),
      pediuFechar: window.pediuFechar === true,
    }));
    assert.deepEqual(fim, { abertas: 0, encerrado: true, pediuFechar: true });
    await contexto.close();
  }
});

test("the open box holds 200 characters and never half of one", async () => {
  const { contexto, pagina } = await novaPagina(undefined, true);
  await digitarNaCaixa(pagina, "a".repeat(199));
  // A word past the limit, then a character of two units in the last place.
  await digitarNaCaixa(pagina, "bc");
  await digitarNaCaixa(pagina, "👍");
  assert.equal(await valor(pagina), "a".repeat(199) + "b");
  await contexto.close();
});

test("installable; once loaded, the page loads and plays with the server gone", async () => {
  const proprio = await servir();
  // The default context: an incognito one could not install the page.
  const pagina = await abrir(ambiente.navegador, proprio.url);
  await instalada(pagina);
  if (MOTOR === "chromium") {  // the only engine that tells
    const { installabilityErrors } = await (await pagina.createCDPSession()).send("Page.getInstallabilityErrors");
    assert.deepEqual(installabilityErrors, []);
  }
  await proprio.fechar();
  await pagina.reload();
  await pagina.waitForSelector("html[data-pronto]");
  await pagina.waitForFunction((s) => document.querySelector(s).complete, {}, controle("Image1"));
  assert.ok(await pagina.$eval(controle("Image1"), (img) => img.naturalWidth > 0), "the painting");
  await entrar(pagina);
  await digitarNaCaixa(pagina, "offline?");
  assert.ok((await perguntar(pagina)).length > 0);
  await pagina.close();
});
