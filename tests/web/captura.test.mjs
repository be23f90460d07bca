// The trick played through every way a browser delivers text: the secret
// never shows in the question box, not for a moment, and comes back whole.

import { test } from "node:test";
import assert from "node:assert/strict";
import { CELULAR, COMPOSICAO, PERGUNTA, cdp, colar, controle, inserir, noOraculo, perguntar, servidorENavegador, so,
  tecla, teclar, textoVisivel, valor } from "./pagina.mjs";

const SEGREDO = "não é 👍";
const QUESTAO = " vai chover?";

const ambiente = servidorENavegador();

const palavras = (texto) => texto.match(/ ?[^ ]+| /gu);
const letras = (texto) => [...texto];
// Key code 229, as Android's keyboards send every key, around `meio`.
async function android(pagina, key, meio) {
  const tecla229 = { key, code: key === "Enter" ? key : "", windowsVirtualKeyCode: 229, nativeVirtualKeyCode: 229 };
  await (await cdp(pagina)).send("Input.dispatchKeyEvent", { type: "rawKeyDown", ...tecla229 });
  await meio?.();
  await (await cdp(pagina)).send("Input.dispatchKeyEvent", { type: "keyUp", ...tecla229 });
}
// A way that sends each of `partir(texto)` by `enviar`, looking after each.
const cada = (partir, enviar) => async (pagina, texto, olhar) => {
  for (const p of partir(texto)) {
    await enviar(pagina, p);
    await olhar();
  }
};

// Each way sends a piece of text; `olhar` runs after every step the page
// can draw, mid-composition included.
const CAMINHOS = {
  "key events": cada(letras, teclar),
  "text inserted per character": cada(letras, inserir),
  "text inserted per word": cada(palavras, inserir),
  "Android key code 229, then inserted text": cada(letras, (pagina, c) =>
    android(pagina, "Unidentified", () => inserir(pagina, c))),
  // A phone keyboard commits ";" at once, as it does all punctuation; a
  // composed ";" would be drawn in the open before the capture starts.
  "composition, then commit": (pagina, texto, olhar) => (texto === ";" ? inserir(pagina, texto)
    : cada(palavras, async (pagina, palavra) => {
      let composto = "";
      for (const c of palavra) {
        composto += c;
        await (await cdp(pagina)).send("Input.imeSetComposition", {
          text: composto, selectionStart: composto.length, selectionEnd: composto.length });
        await olhar();
      }
      await inserir(pagina, composto);
    })(pagina, texto, olhar)),
  // Some keyboards' insertions cannot be cancelled: the page makes them
  // itself, then tells.
  "text the page inserts itself": cada(letras, (pagina, c) => pagina.$eval(PERGUNTA, (e, c) => {
    e.dispatchEvent(new InputEvent("beforeinput", { inputType: "insertText", data: c, bubbles: true }));
    e.setRangeText(c, e.selectionStart, e.selectionEnd, "end");
    e.dispatchEvent(new InputEvent("input", { inputType: "insertText", data: c, bubbles: true }));
  }, c)),
  paste: cada((texto) => [texto], colar),
};
const OPCOES = {
  "Android key code 229, then inserted text": so(["chromium"], "key code 229 comes only through DevTools"),
  "composition, then commit": COMPOSICAO,
};

for (const [nome, enviar] of Object.entries(CAMINHOS)) {
  test(`the secret stays hidden and comes back whole: ${nome}`, OPCOES[nome] ?? {}, async () => {
    const { contexto, pagina } = await noOraculo(ambiente, CELULAR);
    const vistos = [];
    const olhar = async () => vistos.push(...(await textoVisivel(pagina)));

    await enviar(pagina, ";", olhar);
    await enviar(pagina, SEGREDO, olhar);
    const frase = await valor(pagina);
    // Android's keyboards send Enter with key code 229 too.
    await (nome.startsWith("Android") ? android(pagina, "Enter") : tecla(pagina, "Enter"));

    // One letter of the phrase per character of the secret, and nothing
    // drawn that was not a beginning of that phrase.
    assert.equal([...frase].length, [...SEGREDO].length);
    for (const visto of vistos) {
      assert.ok(frase.startsWith(visto), `the box showed ${JSON.stringify(visto)} behind ${JSON.stringify(frase)}`);
    }
    // In the open the box types as usual.
    await enviar(pagina, QUESTAO, async () => {});
    assert.deepEqual(await textoVisivel(pagina), [frase + QUESTAO]);
    assert.equal(await perguntar(pagina), SEGREDO);
    await contexto.close();
  });
}

// While the answer is revealed the box is locked, but the page still draws
// a composition into its input.
test("a locked box shows nothing composed and takes no typing", COMPOSICAO, async () => {
  const { contexto, pagina } = await noOraculo(ambiente);
  const sessao = await cdp(pagina);
  for (const c of ";são") {
    await teclar(pagina, c);
  }
  await pagina.keyboard.press("Enter");
  await sessao.send("Input.insertText", { text: "?" });
  const pergunta = await valor(pagina);
  await pagina.click(controle("CmdPergunta"));
  await pagina.focus(PERGUNTA);
  await sessao.send("Input.insertText", { text: "abc" });
  await sessao.send("Input.imeSetComposition", { text: "é", selectionStart: 1, selectionEnd: 1 });
  assert.deepEqual(await textoVisivel(pagina), [pergunta]);
  await sessao.send("Input.insertText", { text: "é" });
  assert.equal(await valor(pagina), pergunta);
  await pagina.waitForSelector(`${controle("CmdNova")}:not([disabled])`);
  assert.equal(await valor(pagina, controle("TxtResposta")), "são");
  await contexto.close();
});

// The input's own history holds what a composition drew into it in secret.
test("undo and redo in the open never bring the secret back", COMPOSICAO, async () => {
  const { contexto, pagina } = await noOraculo(ambiente);
  const sessao = await cdp(pagina);
  await CAMINHOS["composition, then commit"](pagina, ";", async () => {});
  await CAMINHOS["composition, then commit"](pagina, SEGREDO, async () => {});
  await pagina.keyboard.press("Enter");
  const frase = await valor(pagina);
  await sessao.send("Input.insertText", { text: "x" });
  for (const [comando, modificadores] of [["undo", 2], ["undo", 2], ["redo", 6], ["redo", 6]]) {
    await sessao.send("Input.dispatchKeyEvent", {
      type: "rawKeyDown", key: "z", code: "KeyZ", windowsVirtualKeyCode: 90, modifiers: modificadores,
      commands: [comando] });
    await sessao.send("Input.dispatchKeyEvent", { type: "keyUp", key: "z", code: "KeyZ", modifiers: modificadores });
    assert.deepEqual(await textoVisivel(pagina), [frase + "x"], comando);
  }
  await contexto.close();
});

// Android keyboards take the word before the caret back into a composition
// (after a Backspace, or a tap on the word) and commit it with more letters.
test("a keyboard recomposing the word before the caret adds only its new letters", COMPOSICAO, async () => {
  const { contexto, pagina } = await noOraculo(ambiente, CELULAR);
  const sessao = await cdp(pagina);
  const recompor = async (novas) => {
    const caixa = await valor(pagina);
    const palavra = caixa.slice(caixa.lastIndexOf(" ") + 1);
    const inicio = caixa.length - palavra.length;
    await sessao.send("Input.imeSetComposition", { text: palavra, selectionStart: palavra.length,
      selectionEnd: palavra.length, replacementStart: inicio, replacementEnd: caixa.length });
    await sessao.send("Input.imeSetComposition", { text: palavra + novas,
      selectionStart: palavra.length + novas.length, selectionEnd: palavra.length + novas.length });
    await sessao.send("Input.insertText", { text: palavra + novas });
  };
  await sessao.send("Input.insertText", { text: ";" });
  await sessao.send("Input.insertText", { text: "s" });
  await recompor("ã");
  await recompor("o");
  const frase = await valor(pagina);
  assert.equal(frase.length, 3);
  await pagina.keyboard.press("Enter");
  await sessao.send("Input.insertText", { text: " cho" });
  await recompor("ve?");
  assert.equal(await valor(pagina), frase + " chove?");
  assert.equal(await perguntar(pagina), "são");
  await contexto.close();
});
