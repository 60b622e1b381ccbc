// The data files the engine reads, by the names the desktop program gives them.
export const dataNames = ['Freq_TLine_Connectors.dat', 'M_lom.dat', 'xcngrate.dat'];
// The user's own lines and their prices, read after the maker's.
export const userNames = ['User_TLine_Connectors.dat', 'User_M_lom.dat'];

async function fetchBytes(url) {
  const response = await fetch(url);
  // A missing file is left out: the engine reports it as the desktop program does.
  if (!response.ok) return null;
  return new Uint8Array(await response.arrayBuffer());
}

// The site's sample data, {name: bytes}.
export async function sampleFiles() {
  const files = {};
  const bytes = await Promise.all(dataNames.map((f) => fetchBytes('data/' + f)));
  bytes.forEach((b, i) => { if (b) files[dataNames[i]] = b; });
  return files;
}
