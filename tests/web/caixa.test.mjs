// The question box's translation from the page's events to the box model:
// text lands where the page's caret stands, a replacement replaces, a huge
// paste is one edit, and a character is what a person sees as one.

import { test } from "node:test";
import assert from "node:assert/strict";
import { CELULAR, COMPOSICAO, PERGUNTA, cdp, colar, controle, inserir, inserirCada, noOraculo, perguntar,
  servidorENavegador, so, tecla, textoVisivel, valor as caixa } from "./pagina.mjs";

const ambiente = servidorENavegador();

// Where the box starts on the screen.
const inicioDaCaixa = async (pagina) => {
  const r = await pagina.$eval(PERGUNTA, (e) => e.getBoundingClientRect().toJSON());
  return { x: r.left + 1, y: r.top + r.height / 2 };
};

// The trick's first half (the phrase's letters for "sim"), then `questao`
// typed in the open and edited by `editar`: the box then holds
// `depois(frase)`, and the secret is still "sim".
const aposSim = (questao, editar, depois) => async () => {
  const { contexto, pagina } = await noOraculo(ambiente);
  await inserirCada(pagina, ";sim");
  await tecla(pagina, "Enter");
  const frase = await caixa(pagina);
  await inserir(pagina, questao);
  await editar(pagina);
  assert.equal(await caixa(pagina), depois(frase));
  assert.equal(await perguntar(pagina), "sim");
  await contexto.close();
};

// After the caret moved away from the end, a word, a paste or a drop goes
// where it now stands.
const MOVIMENTOS = {
  "a tap at the start": async (pagina) => {
    const { x, y } = await inicioDaCaixa(pagina);
    await pagina.mouse.click(x, y);
  },
  "Home": (pagina) => tecla(pagina, "Home"),
};
const INSERCOES = {
  "a suggestion-strip word": (pagina) => inserir(pagina, "hoje "),
  "a paste": (pagina) => colar(pagina, "hoje "),
  "a drop": async (pagina) => {
    const { x, y } = await inicioDaCaixa(pagina);
    const data = { items: [{ mimeType: "text/plain", data: "hoje " }], dragOperationsMask: 1 };
    for (const type of ["dragEnter", "dragOver", "drop"]) {
      await (await cdp(pagina)).send("Input.dispatchDragEvent", { type, x, y, data });
    }
  },
};
for (const [movimento, mover] of Object.entries(MOVIMENTOS)) {
  for (const [insercao, inserirAli] of Object.entries(INSERCOES)) {
    if (insercao === "a drop" && movimento !== "a tap at the start") {
      continue;  // a drop places itself
    }
    const opcoes = insercao === "a drop" ? so(["chromium"], "drops come only through chromium's DevTools protocol") : {};
    test(`after ${movimento}, ${insercao} lands at the caret`, opcoes, aposSim(" vai chover?", async (pagina) => {
      await mover(pagina);
      await inserirAli(pagina);
      assert.equal(await pagina.$eval(PERGUNTA, (e) => e.selectionStart), "hoje ".length);
    }, (frase) => "hoje " + frase + " vai chover?"));
  }
}

// A spelling correction: the page selects the word and asks to replace it.
test("a replacement replaces its word instead of appending", aposSim(" vai chuver amanhã?", async (pagina) => {
  const cancelado = await pagina.$eval(PERGUNTA, (e) => {
    const inicio = e.value.indexOf("chuver");
    e.setSelectionRange(inicio, inicio + "chuver".length);
    return !e.dispatchEvent(new InputEvent("beforeinput", {
      inputType: "insertReplacementText", data: "chover", cancelable: true, bubbles: true }));
  });
  assert.ok(cancelado, "the page's own replacement would come on top of the box's");
}, (frase) => frase + " vai chover amanhã?"));

// The page tells an input's listeners no range for a word erased at once:
// it erases it itself, and the box takes that from the input.
test("a word erased at once is gone from the box, not only from the input", aposSim(" vai chover", async (pagina) => {
  await tecla(pagina, "Control+Backspace");
  await inserir(pagina, "x");
}, (frase) => frase + " vai x"));

// During the secret the master's erasing reaches the secret: Ctrl+Backspace
// (and an iPhone's delete key held down) takes the master's own last word,
// whatever word of the invocation the page erased; a range the page erased
// by itself from the end (Android's deleting of a word) takes as many
// characters, here "re ma" of "Mestre ma".
const APAGAMENTOS = {
  "Ctrl+Backspace": (pagina) => tecla(pagina, "Control+Backspace"),
  "a range the page erased": (pagina) => pagina.$eval(PERGUNTA, (e) => {
    e.setSelectionRange(4, e.value.length);
    document.execCommand("delete");
  }),
};
for (const [nome, apagar] of Object.entries(APAGAMENTOS)) {
  test(`${nome} during the secret erases the word the master typed`, async () => {
    const { contexto, pagina } = await noOraculo(ambiente);
    await inserirCada(pagina, ";ola mundo");
    await apagar(pagina);
    assert.equal((await caixa(pagina)).length, 4, "one letter of the invocation for each one kept");
    await inserir(pagina, "X");
    await tecla(pagina, "Enter");
    await inserir(pagina, " vai chover?");
    assert.equal(await perguntar(pagina), "ola X");
    await contexto.close();
  });
}

// A megabyte of text with accents and emoji: the box takes it as one edit,
// in a capture (the phrase, whole) and in the open (up to its limit).
const MEGA = "ação 👍 é ".repeat(104858).slice(0, 1 << 20);
test("a 1 MB paste completes in a capture and in the open", async () => {
  const { contexto, pagina } = await noOraculo(ambiente, CELULAR);
  await inserir(pagina, ";");
  await colar(pagina, MEGA);
  const frase = await caixa(pagina);
  assert.deepEqual(await textoVisivel(pagina), [frase]);
  assert.ok(!MEGA.includes(frase), "the box shows the phrase, not the paste");
  // On a phone the whole phrase is wider than the box: its end shows.
  const pontas = await pagina.$eval(`${controle("TxtPergunta")} .painel`, (painel) => {
    const texto = document.createRange();
    texto.selectNodeContents(painel);
    return [texto.getBoundingClientRect(), painel.getBoundingClientRect()].map((r) => [r.left, r.right]);
  });
  assert.ok(pontas[0][0] < pontas[1][0] && pontas[0][1] <= pontas[1][1], JSON.stringify(pontas));
  await tecla(pagina, "Enter");
  await colar(pagina, MEGA);
  const texto = await caixa(pagina);
  assert.ok(texto.startsWith(frase) && MEGA.startsWith(texto.slice(frase.length)), texto);
  assert.ok(texto.length > 190 && texto.length <= 200, `${texto.length} units`);
  // The reveal types the paste from its start.
  await pagina.click(controle("CmdPergunta"));
  await pagina.waitForFunction((s) => document.querySelector(s).value.length >= 20, {}, controle("TxtResposta"));
  const resposta = await caixa(pagina, controle("TxtResposta"));
  assert.ok(MEGA.startsWith(resposta), resposta);
  await contexto.close();
});

// One character typed in a capture is one letter of the phrase, however
// many code points it takes or however it arrives; Backspace takes it whole.
const CARACTERES = {
  "a family tapped at once": (pagina) => inserir(pagina, "👨‍👩‍👧"),
  "a family committed by an input method": async (pagina) => {
    const composicao = { text: "👨‍👩‍👧", selectionStart: 8, selectionEnd: 8 };
    await (await cdp(pagina)).send("Input.imeSetComposition", composicao);
    await inserir(pagina, "👨‍👩‍👧");
  },
  "a flag typed as its two letters": async (pagina) => {
    await inserir(pagina, "🇧");
    await inserir(pagina, "🇷");
  },
  "an accent typed after its letter": async (pagina) => {
    await inserir(pagina, "e");
    await inserir(pagina, "\u0301");
  },
};
for (const [nome, digitar] of Object.entries(CARACTERES)) {
  const opcoes = nome.includes("input method") ? COMPOSICAO : {};
  test(`in a capture, ${nome} is one letter, erased whole`, opcoes, async () => {
    const { contexto, pagina } = await noOraculo(ambiente);
    await inserirCada(pagina, ";QZ");
    const duas = await caixa(pagina);
    await digitar(pagina);
    const tres = await caixa(pagina);
    assert.equal(tres.length, 3);
    assert.ok(tres.startsWith(duas));
    await tecla(pagina, "Backspace");
    assert.equal(await caixa(pagina), duas);
    await tecla(pagina, "Enter");
    assert.equal(await perguntar(pagina), "QZ");
    await contexto.close();
  });
}
